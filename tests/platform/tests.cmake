foreach(t paths commandrunner clock messagebus fifo sharedmemory files)
  ostrel_add_qtest(tst_${t} LABEL platform SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${t}.cpp LIBS platform)
endforeach()

foreach(t eglobal launchoptions)
  ostrel_add_qtest(tst_${t} LABEL core SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${t}.cpp LIBS ostrel_app)
endforeach()

ostrel_add_qtest(tst_simroot LABEL sim SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_simroot.cpp LIBS sim)
target_compile_definitions(tst_simroot PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>")
add_dependencies(tst_simroot ostrel encoder-sim)

ostrel_add_qtest_folder(sim LIBS sim ostrel_app)
target_compile_definitions(tst_simroot PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>")
add_dependencies(tst_simroot ostrel encoder-sim)

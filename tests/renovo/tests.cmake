ostrel_add_qtest_folder(renovo LIBS renovo_wizard sim)
target_compile_definitions(tst_renovolaunch PRIVATE RENOVO_BINARY="$<TARGET_FILE:renovo>")
add_dependencies(tst_renovolaunch renovo)

ostrel_add_qtest_folder(core LIBS ostrel_app sim)
# Child programs of the start-up test: a restart and a fault, each in a
# process of its own.
foreach(child restartchild faultchild)
  add_executable(${child} ${CMAKE_CURRENT_SOURCE_DIR}/core/${child}.cpp)
  target_link_libraries(${child} PRIVATE ostrel_app)
  add_dependencies(tst_startup ${child})
endforeach()
target_compile_definitions(tst_startup PRIVATE RESTART_CHILD="$<TARGET_FILE:restartchild>" FAULT_CHILD="$<TARGET_FILE:faultchild>")

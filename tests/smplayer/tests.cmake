ostrel_add_qtest_folder(smplayer LIBS ostrel_app sim)
foreach(test tst_videothumbs tst_videogrid)
  target_include_directories(${test} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core)
endforeach()

ostrel_add_qtest_folder(smplayer LIBS ostrel_app sim)
foreach(test tst_videothumbs tst_videogrid tst_videoplayer)
  target_include_directories(${test} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core)
endforeach()
# The player test runs mpv and has encoder-sim make its recordings.
target_compile_definitions(tst_mpvplayer PRIVATE ENCODER_SIM_BINARY="$<TARGET_FILE:encoder-sim>")
add_dependencies(tst_mpvplayer encoder-sim)
# Decodes a recording with the thumbnailer library itself.
target_link_libraries(tst_mpvplayer PRIVATE ostrel_thumbnailer)

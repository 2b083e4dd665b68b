ostrel_add_qtest_folder(video_camera LIBS ostrel_app sim)

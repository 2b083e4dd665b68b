ostrel_add_qtest_folder(smplayer LIBS ostrel_app sim)

ostrel_add_qtest_folder(core LIBS ostrel_app sim)

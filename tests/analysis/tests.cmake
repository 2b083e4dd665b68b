ostrel_add_qtest_folder(analysis LIBS ostrel_app sim)

ostrel_add_qtest_folder(setup LIBS ostrel_app sim)

ostrel_add_qtest_folder(widgets LIBS ostrel_app sim)

ostrel_add_qtest_folder(VyxImage LIBS ostrel_app sim)

ostrel_add_qtest_folder(image LIBS ostrel_app sim)

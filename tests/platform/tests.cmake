ostrel_add_qtest_folder(platform LIBS platform)

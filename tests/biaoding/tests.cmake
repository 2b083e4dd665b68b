ostrel_add_qtest_folder(biaoding LIBS ostrel_app sim)

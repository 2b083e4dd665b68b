ostrel_add_qtest_folder(pshutdown LIBS ostrel_app sim)

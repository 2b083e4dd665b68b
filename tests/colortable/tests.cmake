ostrel_add_qtest_folder(colortable LIBS ostrel_app sim)

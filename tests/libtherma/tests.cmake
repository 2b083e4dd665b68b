ostrel_add_qtest_folder(libtherma LIBS therma sim)

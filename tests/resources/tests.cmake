ostrel_add_qtest_folder(resources LIBS ostrel_app)
# The catalogue test extracts the tr() texts of the folders the catalogues
# are kept from, with the same lupdate.
get_property(translated_folders GLOBAL PROPERTY OSTREL_TRANSLATED_FOLDERS)
string(JOIN " " translated_folders ${translated_folders})
target_compile_definitions(tst_catalogues PRIVATE OSTREL_LUPDATE="${OSTREL_LUPDATE}"
                                                  OSTREL_TRANSLATED_FOLDERS="${translated_folders}")

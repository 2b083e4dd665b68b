# The translation catalogues "resources/translations/ostrel_<key>.ts", one
# per language key of "Lang", compiled by lrelease into
# <build>/language/ostrel_<key>.qm. The simulator copies them into its
# root's "language/", where the program loads them.
#
# Keep the catalogues current after changing texts (English is the source):
#   cmake --build build --target ostrel_lupdate
# runs, in the source folder,
#   /usr/lib/qt6/bin/lupdate -no-obsolete -locations none app core widgets setup analysis image \
#     pshutdown video_camera colortable VyxImage smplayer biaoding ircore -ts resources/translations/ostrel_*.ts
# tests/resources/tst_catalogues extracts the same texts into its own root
# and fails on a catalogue that misses one or leaves one unfinished.
#
# The folders whose tr() texts the catalogues hold:
set(OSTREL_TRANSLATED_FOLDERS app core widgets setup analysis image pshutdown video_camera colortable
    VyxImage smplayer biaoding ircore)
set_property(GLOBAL PROPERTY OSTREL_TRANSLATED_FOLDERS ${OSTREL_TRANSLATED_FOLDERS})
find_program(OSTREL_LUPDATE NAMES lupdate lupdate-qt6
  HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec ${QT6_INSTALL_PREFIX}/bin REQUIRED)
find_program(OSTREL_LRELEASE NAMES lrelease lrelease-qt6
  HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec ${QT6_INSTALL_PREFIX}/bin REQUIRED)
file(GLOB OSTREL_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/ostrel_*.ts)
set(OSTREL_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/language)
set(OSTREL_QM_FILES)
foreach(ts ${OSTREL_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${OSTREL_TRANSLATIONS_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${OSTREL_TRANSLATIONS_DIR}
    COMMAND ${OSTREL_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling ${name}.qm"
    VERBATIM)
  list(APPEND OSTREL_QM_FILES ${qm})
endforeach()
add_custom_target(ostrel_translations ALL DEPENDS ${OSTREL_QM_FILES})
# Writes into the catalogues: only when asked for, never part of a build.
add_custom_target(ostrel_lupdate
  COMMAND ${OSTREL_LUPDATE} -no-obsolete -locations none ${OSTREL_TRANSLATED_FOLDERS} -ts ${OSTREL_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)
add_dependencies(ostrel_app ostrel_translations)
set_property(GLOBAL PROPERTY OSTREL_TRANSLATIONS_DIR ${OSTREL_TRANSLATIONS_DIR})

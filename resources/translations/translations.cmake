# The translation catalogues "resources/translations/ostrel_<key>.ts", one
# per language key of "Lang", compiled by lrelease into
# <build>/language/ostrel_<key>.qm. The simulator copies them into its
# root's "language/", where the program loads them.
#
# Keep the catalogues current after changing texts (English is the source):
#   /usr/lib/qt6/bin/lupdate -no-obsolete -locations none app core widgets setup analysis image \
#     pshutdown video_camera colortable VyxImage smplayer biaoding ircore -ts resources/translations/ostrel_*.ts
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
add_dependencies(ostrel_app ostrel_translations)
set_property(GLOBAL PROPERTY OSTREL_TRANSLATIONS_DIR ${OSTREL_TRANSLATIONS_DIR})

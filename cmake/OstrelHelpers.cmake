# Precompiled Qt headers, parsed once per flag set: ostrel_pch for the
# libraries and programs, ostrel_test_pch (tests/) for the test programs.
add_library(ostrel_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(ostrel_pch PUBLIC Qt6::Widgets)
target_precompile_headers(ostrel_pch PRIVATE <QtCore/QtCore> <QtGui/QtGui> <QtWidgets/QtWidgets>)

# A precompiled header is only taken by compilations of the same code model:
# the header is built position-independent for the libraries, so programs
# that reuse it compile with -fPIC too (still linked as PIE). gcc for ARM
# refuses the header otherwise.
function(ostrel_reuse_pch target pch)
  target_precompile_headers(${target} REUSE_FROM ${pch})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_compile_options(${target} PRIVATE -fPIC)
  endif()
endfunction()

function(ostrel_use_pch target)
  ostrel_reuse_pch(${target} ostrel_pch)
endfunction()

# ostrel_add_qtest(<name> LABEL <folder> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable, registered with CTest and labelled by its folder.
# Every test is declared from tests/CMakeLists.txt (folders are include()d),
# so all of them share one directory scope and one precompiled header.
function(ostrel_add_qtest name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE testsupport Qt6::Test ${T_LIBS})
  ostrel_reuse_pch(${name} ostrel_test_pch)
  add_test(NAME ${name} COMMAND ${name})
  # Screen tests look at what the camera's kind of platform composes: the
  # frame buffer of the vnc platform, the panel's size, on a port the system
  # picks (no two tests share one), with no window forced to full screen.
  set(platform "QT_QPA_PLATFORM=offscreen")
  if(T_LABEL STREQUAL "sim")
    set(platform "QT_QPA_PLATFORM=vnc:size=320x240:port=0;QT_QPA_FB_FORCE_FULLSCREEN=0")
  endif()
  # Leaks of libraries outside the project are known to the leak checker.
  if(OSTREL_ASAN)
    string(APPEND platform ";LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt")
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT 120
    ENVIRONMENT "${platform};QT_FONT_DPI=72;OSTREL_SOURCE_DIR=${PROJECT_SOURCE_DIR};OSTREL_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/${T_LABEL}")
endfunction()

# ostrel_add_qtest_folder(<folder> LIBS <targets...>)
# Every tst_*.cpp in tests/<folder>/ becomes one test program.
function(ostrel_add_qtest_folder folder)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  foreach(source ${tests})
    get_filename_component(name ${source} NAME_WE)
    ostrel_add_qtest(${name} LABEL ${folder} SOURCES ${source} LIBS ${F_LIBS})
  endforeach()
endfunction()

# ostrel_render_svg_images(<source folder> <output variable>)
# Every "*.svg" under the folder is rendered by svgrender at build time to
# images/<same relative path without ".svg"> in the current binary folder,
# with ".png" added when the remaining name has no picture extension of its
# own. The variable receives the rendered files, each aliased "images/…" for
# a Qt resource file.
function(ostrel_render_svg_images source_dir out_var)
  get_property(render_command GLOBAL PROPERTY OSTREL_SVGRENDER_COMMAND)
  get_property(render_depends GLOBAL PROPERTY OSTREL_SVGRENDER_DEPENDS)
  if(NOT render_command)
    message(FATAL_ERROR "ostrel_render_svg_images: resources/ must be added first")
  endif()
  file(GLOB_RECURSE svgs RELATIVE ${source_dir} CONFIGURE_DEPENDS ${source_dir}/*.svg)
  set(rendered)
  foreach(svg ${svgs})
    string(REGEX REPLACE "\\.svg$" "" name ${svg})
    if(NOT name MATCHES "\\.(png|bmp|jpg|gif)$")
      string(APPEND name ".png")
    endif()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/images/${name})
    get_filename_component(outdir ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${render_command}
              ${source_dir}/${svg} ${output}
      DEPENDS ${render_depends} ${source_dir}/${svg}
      COMMENT "Drawing images/${name}"
      VERBATIM)
    set_source_files_properties(${output} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS images/${name})
    list(APPEND rendered ${output})
  endforeach()
  set(${out_var} ${rendered} PARENT_SCOPE)
endfunction()

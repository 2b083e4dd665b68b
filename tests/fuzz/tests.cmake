# The fuzz entries (tests/fuzz/fuzz_<name>.cpp): the one place that lists
# what each is built from and the seeds it starts with.
#
# The ordinary build compiles every entry with its sources behind
# fuzzreplay.cpp, a plain main, as tst_fuzz_<name>; ctest (label fuzz) feeds
# it its seeds once each, so an entry whose sources moved, or a seed that
# crashes it, fails the ordinary test run.
#
# With -DOSTREL_FUZZ=ON (clang only) each entry is also built as the
# libFuzzer program fuzz_<name> under AddressSanitizer and
# UndefinedBehaviorSanitizer, with bin/fuzz_<name>.seeds listing its seeds;
# tests/fuzz/fuzz.sh configures such a build folder and runs them.
#
# The sources are compiled into each program, not taken from the project's
# libraries: the fuzzer's coverage and the sanitizers then reach the code
# under test, and an entry links nothing it does not exercise.
if(OSTREL_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "OSTREL_FUZZ needs clang's libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

# ostrel_fuzz_entry(<name> SOURCES <files...> LIBS <targets...> [SEEDS <globs...>])
# Files and globs are relative to the project folder; every
# tests/fuzz/seeds/<name>_* file is a seed of the entry as well (crash
# inputs kept as regression seeds go there).
function(ostrel_fuzz_entry name)
  cmake_parse_arguments(E "" "" "SOURCES;LIBS;SEEDS" ${ARGN})
  list(TRANSFORM E_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  set(includes ${PROJECT_SOURCE_DIR}/libtherma ${PROJECT_SOURCE_DIR}/platform)
  foreach(source ${E_SOURCES})
    get_filename_component(folder ${source} DIRECTORY)
    list(APPEND includes ${folder})
  endforeach()
  list(REMOVE_DUPLICATES includes)
  set(globs ${E_SEEDS} tests/fuzz/seeds/${name}_*)
  list(TRANSFORM globs PREPEND ${PROJECT_SOURCE_DIR}/)
  file(GLOB seeds CONFIGURE_DEPENDS ${globs})
  if(NOT seeds)
    message(FATAL_ERROR "fuzz entry ${name}: no seed matches ${globs}")
  endif()
  list(SORT seeds)

  set(replay tst_fuzz_${name})
  add_executable(${replay} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzzreplay.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_${name}.cpp ${E_SOURCES})
  target_include_directories(${replay} PRIVATE ${includes})
  target_link_libraries(${replay} PRIVATE ${E_LIBS})
  add_test(NAME ${replay} COMMAND ${replay} ${seeds})
  # The entry's temporary root goes in the build folder: one a crash leaves
  # behind stays there.
  set(scratch ${CMAKE_CURRENT_BINARY_DIR}/fuzz-scratch)
  file(MAKE_DIRECTORY ${scratch})
  set(environment "QT_QPA_PLATFORM=offscreen;OSTREL_FUZZ_TMP=${scratch}")
  if(OSTREL_ASAN)
    string(APPEND environment ";LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt")
  endif()
  set_tests_properties(${replay} PROPERTIES LABELS fuzz TIMEOUT 60 ENVIRONMENT "${environment}")

  if(OSTREL_FUZZ)
    set(fuzzer fuzz_${name})
    add_executable(${fuzzer} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_${name}.cpp ${E_SOURCES})
    target_include_directories(${fuzzer} PRIVATE ${includes})
    target_link_libraries(${fuzzer} PRIVATE ${E_LIBS})
    # -O1: as fast as -O2 here, with finer coverage. Qt's assertions and
    # ours stay on in a Debug build folder (no QT_NO_DEBUG, no NDEBUG).
    target_compile_options(${fuzzer} PRIVATE -g -O1 -fno-omit-frame-pointer
                           -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address,undefined)
    string(JOIN "\n" seed_lines ${seeds})
    file(WRITE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${fuzzer}.seeds "${seed_lines}\n")
  endif()
endfunction()

set(OSTREL_FUZZ_TABLE_SEEDS tests/libtherma/data/calib_*.conf resources/defaults/etc/calc_len0_temp*.conf)

# The calibration file parser.
ostrel_fuzz_entry(calibfile
  SOURCES libtherma/calibrationfile.cpp libtherma/modifyfactors.cpp libtherma/tablefilelimit.cpp platform/paths.cpp
  LIBS Qt6::Core
  SEEDS ${OSTREL_FUZZ_TABLE_SEEDS})
# The correction file parser.
ostrel_fuzz_entry(modify
  SOURCES libtherma/calibrationfile.cpp libtherma/modifyfactors.cpp libtherma/tablefilelimit.cpp platform/paths.cpp
  LIBS Qt6::Core
  SEEDS tests/libtherma/data/modify_*.ini resources/defaults/Parameter/Modify)
# The table writers' model: load, save, load.
ostrel_fuzz_entry(calibtable
  SOURCES biaoding/calibtable.cpp libtherma/calibrationfile.cpp libtherma/tablefilelimit.cpp
          platform/atomicfile.cpp platform/paths.cpp
  LIBS Qt6::Core
  SEEDS ${OSTREL_FUZZ_TABLE_SEEDS})
# The custom palette names and records; their tables are built with QColor.
ostrel_fuzz_entry(custompalette
  SOURCES image/custompaletterecord.cpp image/custompalettenames.cpp libtherma/colortables.cpp
          libtherma/storedsettings.cpp libtherma/tablefilelimit.cpp platform/paths.cpp
  LIBS Qt6::Gui)
# The photo and video reader. The encoder's photo files are photos to it too.
ostrel_fuzz_entry(photoreader
  SOURCES video_camera/photoreader.cpp core/frozenphoto.cpp platform/atomicfile.cpp platform/paths.cpp
  LIBS Qt6::Core
  SEEDS tests/fuzz/seeds/frozenphoto_*)
# The encoder's photo split, composed and given a note.
ostrel_fuzz_entry(frozenphoto
  SOURCES core/frozenphoto.cpp video_camera/photocomposition.cpp video_camera/photowriter.cpp
          video_camera/photoreader.cpp libtherma/recordformat.cpp
          platform/commandrunner.cpp platform/recordingcommandrunner.cpp platform/atomicfile.cpp platform/paths.cpp
  LIBS Qt6::Core)

# Not an entry: writes the photo seeds in seeds/ with the project's own
# writers (encoder-sim's photo file, the camera's note writer). Run it by
# hand when the photo layout changes:
#   cmake --build build --target makeseeds && build/bin/makeseeds tests/fuzz/seeds
add_executable(makeseeds EXCLUDE_FROM_ALL fuzz/makeseeds.cpp
  ${PROJECT_SOURCE_DIR}/sim/encoderphoto.cpp ${PROJECT_SOURCE_DIR}/sim/scenepicture.cpp
  ${PROJECT_SOURCE_DIR}/sim/framesegment.cpp)
target_link_libraries(makeseeds PRIVATE ostrel_app sim)

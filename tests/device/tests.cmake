# The device rig: the unmodified device build in its own namespaces against
# the simulated devices served out of process. Built only with the rig.
if(TARGET device-rig)
  find_package(Qt6 REQUIRED COMPONENTS Network)
  ostrel_add_qtest(tst_devicerig LABEL device
    SOURCES device/tst_devicerig.cpp device/rfbclient.cpp device/rigprocess.cpp
            ${PROJECT_SOURCE_DIR}/rig/rigrequests.cpp ${PROJECT_SOURCE_DIR}/rig/riglog.cpp
    LIBS ostrel_app sim Qt6::Network)
  # The rig's request handling, driven directly against rig-exec's filter.
  target_include_directories(tst_devicerig PRIVATE ${PROJECT_SOURCE_DIR}/rig)
  # A program that makes the calls the filter judges, run under it.
  add_executable(rig-probe device/rigprobe.cpp)
  target_compile_definitions(tst_devicerig PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>"
                                                   DEVICE_RIG_BINARY="$<TARGET_FILE:device-rig>"
                                                   DEVICE_RIG_SCRIPT="${PROJECT_SOURCE_DIR}/scripts/device-rig.sh")
  add_dependencies(tst_devicerig ostrel renovo encoder-sim device-rig rig-exec rig-probe vnc-forwarder)
  # Run by the rig in the program's place: tries the ways out of the rig.
  add_executable(jail-probe device/jailprobe.cpp)
  add_dependencies(tst_devicerig jail-probe)
  target_compile_definitions(tst_devicerig PRIVATE JAIL_PROBE_BINARY="$<TARGET_FILE:jail-probe>")
  # Qt Network adds a define the shared precompiled header was not built with.
  set_target_properties(tst_devicerig PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
  # Where the rig cannot run (no root, /dev/fuse or namespaces) the program
  # ends with 77: Skipped, never Passed.
  set_tests_properties(tst_devicerig PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
  # The same program run without root must say so.
  add_test(NAME tst_devicerig_withoutroot
           COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/device/skipswithoutroot.sh $<TARGET_FILE:tst_devicerig>)
  set_tests_properties(tst_devicerig_withoutroot PROPERTIES LABELS device TIMEOUT 60
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=72")
endif()

# The device rig: the unmodified device build in its own namespaces against
# the simulated devices served out of process. Built only with the rig.
if(TARGET device-rig)
  find_package(Qt6 REQUIRED COMPONENTS Network)
  ostrel_add_qtest(tst_devicerig LABEL device
    SOURCES device/tst_devicerig.cpp device/rfbclient.cpp device/rigprocess.cpp
    LIBS ostrel_app sim Qt6::Network)
  target_compile_definitions(tst_devicerig PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>"
                                                   DEVICE_RIG_BINARY="$<TARGET_FILE:device-rig>"
                                                   DEVICE_RIG_SCRIPT="${PROJECT_SOURCE_DIR}/scripts/device-rig.sh")
  add_dependencies(tst_devicerig ostrel renovo encoder-sim device-rig vnc-forwarder)
  # Run by the rig in the program's place: tries the ways out of the rig.
  add_executable(rig-probe device/rigprobe.cpp)
  add_dependencies(tst_devicerig rig-probe)
  target_compile_definitions(tst_devicerig PRIVATE RIG_PROBE_BINARY="$<TARGET_FILE:rig-probe>")
  # Qt Network adds a define the shared precompiled header was not built with.
  set_target_properties(tst_devicerig PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
  set_tests_properties(tst_devicerig PROPERTIES TIMEOUT 180)
endif()

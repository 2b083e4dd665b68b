ostrel_add_qtest_folder(sim LIBS sim ostrel_simpower ostrel_app)
foreach(test tst_simroot tst_simlaunch tst_simsetuppages)
  target_compile_definitions(${test} PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>"
                                             ENCODER_SIM_BINARY="$<TARGET_FILE:encoder-sim>")
  add_dependencies(${test} ostrel encoder-sim)
endforeach()
# The launch test runs the update wizard too, where it refuses to start.
target_compile_definitions(tst_simlaunch PRIVATE RENOVO_BINARY="$<TARGET_FILE:renovo>")
add_dependencies(tst_simlaunch renovo)
# encoder-sim reads the commands the setup window sends.
add_dependencies(tst_simsetup encoder-sim)
add_dependencies(tst_simphotos encoder-sim)
add_dependencies(tst_simmenu encoder-sim)
add_dependencies(tst_simlanguages encoder-sim)
# The launch test holds a port the way another VNC server would.
find_package(Qt6 REQUIRED COMPONENTS Network)
target_link_libraries(tst_simlaunch PRIVATE Qt6::Network)
# Qt Network adds a define the shared precompiled header was not built with.
set_target_properties(tst_simlaunch PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
add_dependencies(tst_simcapture encoder-sim)
add_dependencies(tst_simvideos encoder-sim)
# Starts the build's encoder-sim and decodes its recordings with the system's
# video libraries (only this test links them).
add_dependencies(tst_encodervideo encoder-sim)
if(TARGET PkgConfig::LIBAV)
  target_link_libraries(tst_encodervideo PRIVATE PkgConfig::LIBAV)
  target_compile_definitions(tst_encodervideo PRIVATE OSTREL_HAVE_LIBAV)
endif()
add_dependencies(tst_simphotobrowser encoder-sim)
# encoder-sim answers the service window's version request.
add_dependencies(tst_simircore encoder-sim)
add_dependencies(tst_simreopen encoder-sim)
target_compile_definitions(tst_simvideos PRIVATE ENCODER_SIM_BINARY="$<TARGET_FILE:encoder-sim>")
# The VNC screen test starts the simulator and looks at it through the
# device tests' viewer.
target_sources(tst_simvncscreen PRIVATE ${PROJECT_SOURCE_DIR}/tests/device/rfbclient.cpp)
target_include_directories(tst_simvncscreen PRIVATE ${PROJECT_SOURCE_DIR}/tests/device)
target_link_libraries(tst_simvncscreen PRIVATE Qt6::Network)
target_compile_definitions(tst_simvncscreen PRIVATE OSTREL_BINARY="$<TARGET_FILE:ostrel>")
add_dependencies(tst_simvncscreen ostrel encoder-sim)
set_target_properties(tst_simvncscreen PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)

ostrel_add_qtest_folder(ircore LIBS sim ostrel_app)
# The device build's forwarding core, linked against the simulated core's
# C functions in place of the core's own library.
target_sources(tst_linkedircore PRIVATE ${PROJECT_SOURCE_DIR}/ircore/linkedircorelibrary.cpp
                                        ${PROJECT_SOURCE_DIR}/sim/simircoreexports.cpp)

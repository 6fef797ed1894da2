# Fails when a test name of this build carries what differs from one build of the same tree
# to the next: the bytes of a parameter object GoogleTest cannot print, or an address.
#   cmake -DBUILD_DIR=<build folder> -P TestNames.cmake
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} -N WORKING_DIRECTORY ${BUILD_DIR}
                OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ctest -N failed:\n${listing}")
endif()
string(REGEX MATCHALL "Test +#[0-9]+: [^\n]*([0-9]+-byte object|0x[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F])[^\n]*"
       unstable "${listing}")
if(unstable)
  list(JOIN unstable "\n  " text)
  message(FATAL_ERROR "Test names that change from build to build (give the suite a name generator or a "
                      "PrintTo for its parameter):\n  ${text}")
endif()

# Makes the Debian package of the build in BUILD_DIR, in WORK_DIR, and fails on
# any error or warning that lintian reports about it.
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK_DIR}"
                WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (is the program built?):\n${output}")
endif()

file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK_DIR}, found ${count}")
endif()

execute_process(COMMAND "${LINTIAN}" --fail-on error,warning --tag-display-limit 0 ${packages}
                RESULT_VARIABLE status OUTPUT_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings (status ${status})")
endif()

# cmake --install of the build the test runs in, into a temporary prefix, then the installed tree
# checked. Arguments: as check_installed.cmake, and -DBUILD=<build folder> -DWORK=<scratch folder>
include(${CMAKE_CURRENT_LIST_DIR}/check_installed.cmake)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
check_installed(${WORK}/prefix ${WORK}/run)

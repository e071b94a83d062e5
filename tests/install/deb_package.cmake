# cpack -G DEB in the build the test runs in: the package's fields, then the package (its files
# checked by check_installed) with dpkg-deb -x into a temporary root and its programs run from there.
# Arguments: as prefix.cmake, and -DCPACK=<cpack> -DDPKG_DEB=<dpkg-deb or NOTFOUND: skipped>
include(${CMAKE_CURRENT_LIST_DIR}/check_installed.cmake)
if(NOT DPKG_DEB)
  # Matched by the test's SKIP_REGULAR_EXPRESSION: reported as skipped, never as passed.
  message("SKIPPED: dpkg-deb is not installed (package dpkg); scripts/install-deps.sh installs it.")
  return()
endif()
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake
  WORKING_DIRECTORY ${BUILD} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(GLOB deb ${WORK}/vadocalc_${VERSION}_*.deb)
list(LENGTH deb count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB gave no vadocalc_${VERSION}_<arch>.deb (exit ${rc}):\n${out}${err}")
endif()
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Package Version Maintainer Section Depends
  OUTPUT_VARIABLE fields)
foreach(line "Package: vadocalc\n" "Version: ${VERSION}\n"
    "Maintainer: Vadocalc developers <vadocalc@users.noreply.invalid>\n" "Section: science\n"
    "libqt6widgets6")
  string(FIND "${fields}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's fields lack '${line}':\n${fields}")
  endif()
endforeach()
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${WORK}/root RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed (exit ${rc}): ${err}")
endif()
check_installed(${WORK}/root/usr ${WORK}/run)

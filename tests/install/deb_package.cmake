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
  WORKING_DIRECTORY ${BUILD} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB deb ${WORK}/vadocalc_${VERSION}_*.deb)
execute_process(COMMAND ${DPKG_DEB} --field ${deb} Package Version Maintainer Section Depends
  OUTPUT_VARIABLE fields)
# Depends is filled in from the libraries the programs link (shlibdeps).
if(NOT fields MATCHES "^Package: vadocalc\nVersion: ${VERSION}\nMaintainer: Vadocalc developers <vadocalc@users\\.noreply\\.invalid>\nSection: science\nDepends: [^\n]*libqt6widgets6")
  message(FATAL_ERROR "cpack -G DEB gave no vadocalc_${VERSION}_<arch>.deb with the package's fields:\n${deb}: ${fields}")
endif()
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${WORK}/root COMMAND_ERROR_IS_FATAL ANY)
check_installed(${WORK}/root/usr ${WORK}/run)

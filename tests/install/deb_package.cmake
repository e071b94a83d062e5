# cpack -G DEB in the build the test runs in; the package's fields and files; the package
# unpacked with dpkg-deb -x into a temporary root and its programs run from there.
# Arguments: -DBUILD=<build folder> -DWORK=<scratch folder> -DVERSION=<version>
# -DSOURCE_DIR=<source folder> -DCPACK=<cpack> -DDPKG_DEB=<dpkg-deb or NOTFOUND>
include(${CMAKE_CURRENT_LIST_DIR}/check_installed.cmake)
if(NOT DPKG_DEB)
  message("SKIPPED: dpkg-deb is not installed (package dpkg), so the Debian package cannot be "
    "built and unpacked here; scripts/install-deps.sh installs it.")
  # Matched by the test's SKIP_REGULAR_EXPRESSION: reported as skipped, never as passed.
  return()
endif()
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake
  WORKING_DIRECTORY ${BUILD} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(GLOB debs ${WORK}/vadocalc_${VERSION}_*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB gave no vadocalc_${VERSION}_<arch>.deb (exit ${rc}):\n${out}${err}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${debs} Package Version Maintainer Section Depends
  OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
foreach(line
    "Package: vadocalc\n"
    "Version: ${VERSION}\n"
    "Maintainer: Vadocalc developers <vadocalc@users.noreply.invalid>\n"
    "Section: science\n"
    "libqt6widgets6")
  string(FIND "${fields}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control fields lack '${line}':\n${fields}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
foreach(path
    ./usr/bin/vadocalc ./usr/bin/vadocalc-cli
    ./usr/share/applications/io.github.vadocalc.Vadocalc.desktop
    ./usr/share/icons/hicolor/scalable/apps/io.github.vadocalc.Vadocalc.svg
    ./usr/share/metainfo/io.github.vadocalc.Vadocalc.metainfo.xml
    ./usr/share/mime/packages/io.github.vadocalc.Vadocalc.xml
    ./usr/share/vadocalc/manual/index.md
    ./usr/share/man/man1/vadocalc.1.gz ./usr/share/man/man1/vadocalc-cli.1.gz)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "dpkg-deb -c does not list ${path}:\n${listing}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${WORK}/root RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed (exit ${rc}): ${err}")
endif()
check_installed(${WORK}/root/usr ${WORK}/run)

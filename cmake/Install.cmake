# Installation in the GNU layout and the Debian package:
#   bin/vadocalc, bin/vadocalc-cli
#   share/vadocalc/manual/                  the manual as the build writes it
#   share/applications, share/metainfo, share/mime/packages, share/icons/hicolor
#   share/man/man1/vadocalc.1, vadocalc-cli.1
# The programs find the manual (and an office's county list and logo) in ../share/vadocalc
# beside their own folder, so an installed copy needs no configuration.
include(GNUInstallDirs)

set(VADO_APP_ID io.github.vadocalc.Vadocalc)
set(VADO_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS vadocalc vadocalc-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_BINARY_DIR}/src/manual/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vadocalc/manual)

install(FILES ${VADO_PACKAGING}/${VADO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VADO_PACKAGING}/${VADO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VADO_PACKAGING}/${VADO_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${VADO_PACKAGING}/icons/${VADO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${VADO_PACKAGING}/icons/${size}x${size}/${VADO_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${VADO_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vadocalc)

# The man pages, compressed as Debian keeps them (plain where gzip is missing).
find_program(GZIP gzip)
foreach(page vadocalc.1 vadocalc-cli.1)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page})
  if(GZIP)
    set(packed ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${packed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${GZIP} -9 -n -c ${source} > ${packed}
      DEPENDS ${source} VERBATIM)
    list(APPEND VADO_MAN_PAGES ${packed})
  else()
    list(APPEND VADO_MAN_PAGES ${source})
  endif()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${VADO_MAN_PAGES})
install(FILES ${VADO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB in a build folder (after the build): vadocalc_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vadocalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vadocalc developers")
set(CPACK_PACKAGE_CONTACT "Vadocalc developers <vadocalc@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and check small hydraulic structures")
set(CPACK_PACKAGE_DESCRIPTION "Calculators for weirs, orifices, pipe flow, culverts, Manning channel\n\
sections, drop structures and risers with rating tables and graphs, drains,\n\
sumps, dry hydrants, plunge pools and mensuration, in US customary units.\n\
Every page prints a report headed with project information, and a job is\n\
kept in one project file. vadocalc-cli drives the same pages from a script.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The reports ask for Times New Roman; this is the font with its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
include(CPack)

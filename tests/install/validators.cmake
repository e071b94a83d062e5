# The desktop files of an installed tree through the freedesktop validators.
# Arguments: -DPREFIX=<installed tree> -DKIND=desktop|metainfo|mime -DTOOL=<validator>
if(NOT TOOL)
  message(FATAL_ERROR "the validator for the ${KIND} file is not installed: run scripts/install-deps.sh")
endif()
set(share ${PREFIX}/share)
if(KIND STREQUAL "desktop")
  # Hints and warnings count: the entry must be clean.
  execute_process(COMMAND ${TOOL} ${share}/applications/io.github.vadocalc.Vadocalc.desktop
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate (exit ${rc}):\n${out}${err}")
  endif()
elseif(KIND STREQUAL "metainfo")
  execute_process(COMMAND ${TOOL} validate --no-net ${share}/metainfo/io.github.vadocalc.Vadocalc.metainfo.xml
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCH "(^|\n)[EW]: " problem "${out}${err}")
  if(NOT rc EQUAL 0 OR problem)
    message(FATAL_ERROR "appstreamcli validate --no-net (exit ${rc}):\n${out}${err}")
  endif()
elseif(KIND STREQUAL "mime")
  # The package compiled into a database of its own: *.vado must come out as a project.
  set(db ${PREFIX}/../mime-check)
  file(REMOVE_RECURSE ${db})
  file(COPY ${share}/mime/packages DESTINATION ${db})
  execute_process(COMMAND ${TOOL} -V ${db} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(FIND "${out}${err}" "rror" failed)
  file(READ ${db}/globs2 globs)
  string(FIND "${globs}" ":application/x-vadocalc-project:*.vado" at)
  if(NOT rc EQUAL 0 OR NOT failed EQUAL -1 OR at EQUAL -1)
    message(FATAL_ERROR "update-mime-database (exit ${rc}):\n${out}${err}\nglobs2:\n${globs}")
  endif()
endif()

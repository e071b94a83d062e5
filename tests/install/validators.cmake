# The desktop files of an installed tree through the freedesktop validators.
# Arguments: -DPREFIX=<installed tree> -DKIND=desktop|metainfo|mime -DTOOL=<validator>
if(NOT TOOL)
  message(FATAL_ERROR "the validator for the ${KIND} file is not installed: run scripts/install-deps.sh")
endif()
set(share ${PREFIX}/share)
set(id io.github.vadocalc.Vadocalc)
if(KIND STREQUAL "desktop")
  execute_process(COMMAND ${TOOL} ${share}/applications/${id}.desktop
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  # Hints and warnings count: the entry must be clean.
  set(failed "${out}${err}")
elseif(KIND STREQUAL "metainfo")
  execute_process(COMMAND ${TOOL} validate --no-net ${share}/metainfo/${id}.metainfo.xml
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCH "(^|\n)[EW]: " failed "${out}${err}")
else()
  # The package compiled into a database of its own: *.vado must come out as a project.
  set(db ${PREFIX}/../mime-check)
  file(REMOVE_RECURSE ${db})
  file(COPY ${share}/mime/packages DESTINATION ${db})
  execute_process(COMMAND ${TOOL} -V ${db} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  file(READ ${db}/globs2 globs)
  string(REGEX MATCH "rror" failed "${out}${err}")
  if(NOT globs MATCHES ":application/x-vadocalc-project:\\*\\.vado")
    set(failed "no *.vado glob:\n${globs}")
  endif()
endif()
if(NOT rc EQUAL 0 OR NOT failed STREQUAL "")
  message(FATAL_ERROR "${TOOL} (exit ${rc}):\n${out}${err}\n${failed}")
endif()

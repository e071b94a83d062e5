# Writes the manual beside the programs: every page of docs/manual as it is, with the marker
# "<!-- inputs -->" replaced by the page's own table of inputs (vadocalc-cli --list --markdown),
# so the manual cannot drift from the program. A page is named after its form.
# Arguments: -DCLI=<vadocalc-cli> -DSOURCE=<docs/manual> -DOUT=<folder beside the programs>
file(GLOB pages ${SOURCE}/*.md)
file(MAKE_DIRECTORY ${OUT})
foreach(page ${pages})
  get_filename_component(name ${page} NAME_WE)
  file(READ ${page} text)
  string(FIND "${text}" "<!-- inputs -->" at)
  if(NOT at EQUAL -1)
    execute_process(COMMAND ${CLI} --list --markdown ${name}
      OUTPUT_VARIABLE table RESULT_VARIABLE rc ERROR_QUIET)
    if(NOT rc EQUAL 0 OR table STREQUAL "")
      message(FATAL_ERROR "${page}: vadocalc-cli has no inputs for ${name}")
    endif()
    string(REPLACE "<!-- inputs -->" "${table}" text "${text}")
  endif()
  set(target ${OUT}/${name}.md)
  set(old "")
  if(EXISTS ${target})
    file(READ ${target} old)
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${target} "${text}")
  endif()
endforeach()

# check_installed(<prefix> <scratch folder>): the programs of an installed tree run from where
# they were installed, as a new user would, and its desktop files through the validators; fails
# naming what is wrong. Needs VERSION, DESKTOP_FILE_VALIDATE, APPSTREAMCLI and UPDATE_MIME_DATABASE.

# Runs a program of the tree offscreen, with configuration and state folders of the test's own;
# fails with `what` unless it exits 0 printing `expected`.
function(expect_run what expected)
  file(MAKE_DIRECTORY ${scratch}/config ${scratch}/state)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=${scratch}/config
      XDG_STATE_HOME=${scratch}/state ${ARGN}
    WORKING_DIRECTORY ${scratch} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 120)
  string(FIND "${out}" "${expected}" at)
  if(NOT rc EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "${what}: expected '${expected}' and exit 0, got exit ${rc}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# The desktop entry and the metainfo clean (hints and warnings count); the MIME package, compiled
# into a database of its own, knowing *.vado as a project.
function(validate share)
  file(REMOVE_RECURSE ${scratch}/mime)
  file(COPY ${share}/mime/packages DESTINATION ${scratch}/mime)
  foreach(run "DESKTOP_FILE_VALIDATE ${share}/applications/io.github.vadocalc.Vadocalc.desktop"
      "APPSTREAMCLI validate --no-net ${share}/metainfo/io.github.vadocalc.Vadocalc.metainfo.xml"
      "UPDATE_MIME_DATABASE -V ${scratch}/mime")
    separate_arguments(command UNIX_COMMAND "${run}")
    list(POP_FRONT command tool)  # NOTFOUND when not installed: run scripts/install-deps.sh
    execute_process(COMMAND ${${tool}} ${command} OUTPUT_VARIABLE out ERROR_VARIABLE err
      RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR "${out}${err}" MATCHES "(^|\n)[EW]: |rror|arning|hint")
      message(FATAL_ERROR "${run} (exit ${rc}):\n${out}${err}")
    endif()
  endforeach()
  file(READ ${scratch}/mime/globs2 globs)
  if(NOT globs MATCHES ":application/x-vadocalc-project:\\*\\.vado")
    message(FATAL_ERROR "the MIME database knows no *.vado:\n${globs}")
  endif()
endfunction()

function(check_installed prefix scratch)
  # The programs, the manual and the desktop files are shown by running and validating them.
  foreach(f share/icons/hicolor/scalable/apps/io.github.vadocalc.Vadocalc.svg
      share/icons/hicolor/48x48/apps/io.github.vadocalc.Vadocalc.png
      share/icons/hicolor/256x256/apps/io.github.vadocalc.Vadocalc.png
      share/man/man1/vadocalc.1.gz share/man/man1/vadocalc-cli.1.gz share/doc/vadocalc/copyright)
    if(NOT EXISTS ${prefix}/${f})
      message(FATAL_ERROR "${prefix}/${f} was not installed")
    endif()
  endforeach()
  validate(${prefix}/share)
  file(GLOB_RECURSE before LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
  set(cli ${prefix}/bin/vadocalc-cli)
  set(desktop ${prefix}/bin/vadocalc)
  expect_run("the worked example" "lbl1Q: Q = 19.48 cfs\n" ${cli} frmWeir --click cmdCompute)
  foreach(program ${cli} ${desktop})
    expect_run("${program} --version" "vadocalc ${VERSION}\n" ${program} --version)
  endforeach()
  expect_run("vadocalc --help" "The manual: ${prefix}/share/vadocalc/manual/index.md\n" ${desktop} --help)
  # The installed desktop program shows its window with the weir page's manual section open.
  expect_run("the installed desktop program" "" ${desktop} --page 1 --f1 --screenshot ${scratch}/f1.png)
  file(GLOB_RECURSE after LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
  if(NOT EXISTS ${scratch}/f1.png OR NOT before STREQUAL after)
    message(FATAL_ERROR "no picture, or the programs wrote into their installation:\n"
      "before: ${before}\nafter: ${after}")
  endif()
endfunction()

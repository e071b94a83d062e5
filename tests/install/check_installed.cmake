# Runs the programs of an installed tree from where they were installed, as a new user would.
# check_installed(<prefix> <scratch folder>) fails the test with a message naming what is wrong.
# Needs VERSION (the project's) and SOURCE_DIR.

# Runs a program of the tree offscreen, with configuration and state folders of the test's own,
# and sets out, err and rc in the caller.
function(run_installed prefix scratch)
  file(MAKE_DIRECTORY ${scratch}/config ${scratch}/state)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=${scratch}/config
      XDG_STATE_HOME=${scratch}/state ${ARGN}
    WORKING_DIRECTORY ${scratch}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 120)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_output what expected)
  string(FIND "${out}" "${expected}" at)
  if(NOT rc EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "${what}: expected '${expected}' and exit 0, got exit ${rc}:\n${out}${err}")
  endif()
endfunction()

# Every option a program's --help names is described in its man page.
function(expect_options_in_man_page program page)
  string(REGEX MATCHALL "(^|[ ,|])--?[a-zA-Z][-a-zA-Z0-9]*" options "${out}")
  file(READ ${SOURCE_DIR}/docs/man/${page} man)
  foreach(option ${options})
    string(REGEX REPLACE "^[ ,|]" "" option "${option}")
    string(REPLACE "-" "\\-" escaped "${option}")
    string(FIND "${man}" "${escaped}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${program} --help names ${option}, which ${page} does not describe")
    endif()
  endforeach()
endfunction()

function(check_installed prefix scratch)
  set(expected_files
    bin/vadocalc
    bin/vadocalc-cli
    share/vadocalc/manual/index.md
    share/vadocalc/manual/frmWeir.md
    share/applications/io.github.vadocalc.Vadocalc.desktop
    share/metainfo/io.github.vadocalc.Vadocalc.metainfo.xml
    share/mime/packages/io.github.vadocalc.Vadocalc.xml
    share/icons/hicolor/scalable/apps/io.github.vadocalc.Vadocalc.svg
    share/icons/hicolor/48x48/apps/io.github.vadocalc.Vadocalc.png
    share/icons/hicolor/256x256/apps/io.github.vadocalc.Vadocalc.png
    share/man/man1/vadocalc.1.gz
    share/man/man1/vadocalc-cli.1.gz
    share/doc/vadocalc/copyright)
  foreach(f ${expected_files})
    if(NOT EXISTS ${prefix}/${f})
      message(FATAL_ERROR "${prefix}/${f} was not installed")
    endif()
  endforeach()
  file(GLOB_RECURSE before LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)

  set(cli ${prefix}/bin/vadocalc-cli)
  set(desktop ${prefix}/bin/vadocalc)
  run_installed(${prefix} ${scratch} ${cli} frmWeir --click cmdCompute)
  expect_output("the installed vadocalc-cli's worked example" "lbl1Q: Q = 19.48 cfs\n")
  run_installed(${prefix} ${scratch} ${cli} --version)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "vadocalc ${VERSION}\n")
    message(FATAL_ERROR "vadocalc-cli --version: expected 'vadocalc ${VERSION}' (exit 0), got exit ${rc}: ${out}${err}")
  endif()
  run_installed(${prefix} ${scratch} ${desktop} --version)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "vadocalc ${VERSION}\n")
    message(FATAL_ERROR "vadocalc --version: expected 'vadocalc ${VERSION}' (exit 0), got exit ${rc}: ${out}${err}")
  endif()
  run_installed(${prefix} ${scratch} ${cli} --forms)
  expect_output("vadocalc-cli --forms" "frmRectRiser     Rect. Riser Drop\n")
  run_installed(${prefix} ${scratch} ${cli} --help)
  expect_output("vadocalc-cli --help" "usage: vadocalc-cli")
  expect_options_in_man_page(vadocalc-cli vadocalc-cli.1)
  run_installed(${prefix} ${scratch} ${desktop} --help)
  expect_output("vadocalc --help" "The manual: ${prefix}/share/vadocalc/manual/index.md\n")
  expect_options_in_man_page(vadocalc vadocalc.1)

  # F1 on the weir page opens the manual at its page; were it missing, the program would stop
  # at the "Missing Help file" message and never take its picture.
  run_installed(${prefix} ${scratch} ${desktop} --page 1 --f1 --screenshot ${scratch}/f1.png)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${scratch}/f1.png)
    message(FATAL_ERROR "the installed desktop program did not open its manual (exit ${rc}; a "
      "program waiting on a message is stopped by the timeout):\n${out}${err}")
  endif()

  file(GLOB_RECURSE after LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
  if(NOT before STREQUAL after)
    message(FATAL_ERROR "the installed programs wrote into their installation:\nbefore: ${before}\nafter: ${after}")
  endif()
endfunction()

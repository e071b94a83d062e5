# check_installed(<prefix> <scratch folder>): the programs of an installed tree run from where
# they were installed, as a new user would; fails naming what is wrong. Needs VERSION and
# SOURCE_DIR.

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

# Every option a program's --help names is described in its man page.
function(expect_options_in_man_page page)
  string(REGEX MATCHALL "(^|[ ,|])--?[a-zA-Z][-a-zA-Z0-9]*" options "${out}")
  file(READ ${SOURCE_DIR}/docs/man/${page} man)
  foreach(option ${options})
    string(REGEX REPLACE "^[ ,|]" "" option "${option}")
    string(REPLACE "-" "\\-" escaped "${option}")
    string(FIND "${man}" "${escaped}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "--help names ${option}, which ${page} does not describe")
    endif()
  endforeach()
endfunction()

function(check_installed prefix scratch)
  foreach(f bin/vadocalc bin/vadocalc-cli share/vadocalc/manual/index.md
      share/vadocalc/manual/frmWeir.md share/applications/io.github.vadocalc.Vadocalc.desktop
      share/metainfo/io.github.vadocalc.Vadocalc.metainfo.xml
      share/mime/packages/io.github.vadocalc.Vadocalc.xml
      share/icons/hicolor/scalable/apps/io.github.vadocalc.Vadocalc.svg
      share/icons/hicolor/48x48/apps/io.github.vadocalc.Vadocalc.png
      share/icons/hicolor/256x256/apps/io.github.vadocalc.Vadocalc.png
      share/man/man1/vadocalc.1.gz share/man/man1/vadocalc-cli.1.gz share/doc/vadocalc/copyright)
    if(NOT EXISTS ${prefix}/${f})
      message(FATAL_ERROR "${prefix}/${f} was not installed")
    endif()
  endforeach()
  file(GLOB_RECURSE before LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
  set(cli ${prefix}/bin/vadocalc-cli)
  set(desktop ${prefix}/bin/vadocalc)
  expect_run("the worked example" "lbl1Q: Q = 19.48 cfs\n" ${cli} frmWeir --click cmdCompute)
  foreach(program ${cli} ${desktop})
    expect_run("${program} --version" "vadocalc ${VERSION}\n" ${program} --version)
    if(NOT out STREQUAL "vadocalc ${VERSION}\n")
      message(FATAL_ERROR "${program} --version printed more: ${out}")
    endif()
  endforeach()
  expect_run("vadocalc-cli --forms" "frmRectRiser     Rect. Riser Drop\n" ${cli} --forms)
  expect_run("vadocalc-cli --help" "usage: vadocalc-cli" ${cli} --help)
  expect_options_in_man_page(vadocalc-cli.1)
  expect_run("vadocalc --help" "The manual: ${prefix}/share/vadocalc/manual/index.md\n" ${desktop} --help)
  expect_options_in_man_page(vadocalc.1)
  # F1 on the weir page opens the manual; were it missing, the program would wait on the
  # "Missing Help file" message until the timeout and take no picture.
  expect_run("the installed desktop program's manual" "" ${desktop} --page 1 --f1 --screenshot
    ${scratch}/f1.png)
  file(GLOB_RECURSE after LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
  if(NOT EXISTS ${scratch}/f1.png OR NOT before STREQUAL after)
    message(FATAL_ERROR "no F1 picture, or the programs wrote into their installation:\n"
      "before: ${before}\nafter: ${after}")
  endif()
endfunction()

# vadocalc-cli --print end to end: the weir report written as a PDF and read back with
# pdftotext, a failed Compute that must leave no PDF behind, and the places a report or a
# project is written to: through a symbolic link to its target, never onto a folder or a pipe.
# Arguments: -DCLI=<vadocalc-cli> -DPDFTOTEXT=<pdftotext> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(pdf ${WORK}/w.pdf)

execute_process(COMMAND ${CLI} frmWeir --print ${pdf}
    --info "txtOwnerName=Hilltop Farm LLC" --info cboCounty=Adams --info txtState=PA
    --info "txtDesigner=Field Office" --info "txtSite=Pond 3"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${pdf})
  message(FATAL_ERROR "the report was not printed (exit ${rc}):\n${out}${err}")
endif()

execute_process(COMMAND ${PDFTOTEXT} -layout ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdftotext (${PDFTOTEXT}) could not read ${pdf}: install poppler-utils")
endif()

string(TIMESTAMP today "%m/%d/%Y")
# Each pattern must match after the one before it; pdftotext turns runs of blanks into what
# fits its layout, so blanks are matched loosely (the recording printer checks them exactly).
set(patterns
  "Weir Flow Formula Solution"
  "prepared for"
  "Hilltop Farm LLC"
  "\n *in *\n"
  "Adams County, PA"
  "Designer: Field Office +Checker: ___________________"
  "Date: ${today}"
  "Pond 3"
  "Weir Coefficient \\(C\\): +3\\.1"
  "Diameter of Weir: +24 in\\."
  "Head on Weir: +1 ft\\."
  "Weir Capacity: +19\\.48 cfs")
set(rest "${text}")
foreach(pattern ${patterns})
  string(REGEX MATCH "${pattern}" found "${rest}")
  if(found STREQUAL "")
    message(FATAL_ERROR "'${pattern}' not found in order in the report:\n${text}")
  endif()
  string(FIND "${rest}" "${found}" at)
  string(LENGTH "${found}" length)
  math(EXPR next "${at} + ${length}")
  string(SUBSTRING "${rest}" ${next} -1 rest)
endforeach()

set(failed ${WORK}/failed.pdf)
execute_process(COMMAND ${CLI} frmWeir txt1Dia=84.1 --print ${failed}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(GLOB left ${WORK}/failed*)
if(left)
  message(FATAL_ERROR "a failed Compute left ${left}")
endif()
string(FIND "${out}" "[Input Error] Please enter a number between 0.2 and 84.0." at)
if(at EQUAL -1 OR NOT rc EQUAL 0)
  message(FATAL_ERROR "the range message is missing (exit ${rc}):\n${out}${err}")
endif()

# Through a link: the link stays and its target takes the report, then the project.
file(WRITE ${WORK}/real.pdf "old")
file(CREATE_LINK real.pdf ${WORK}/link.pdf SYMBOLIC)
execute_process(COMMAND ${CLI} frmWeir --print ${WORK}/link.pdf
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${WORK}/real.pdf head LIMIT 8)
string(FIND "${head}" "%PDF" pdf_at)
if(NOT rc EQUAL 0 OR NOT IS_SYMLINK ${WORK}/link.pdf OR NOT pdf_at EQUAL 0)
  message(FATAL_ERROR "a report through a link did not reach its target (exit ${rc}):\n${out}${err}")
endif()
file(WRITE ${WORK}/real.vado "old")
file(CREATE_LINK real.vado ${WORK}/link.vado SYMBOLIC)
execute_process(COMMAND ${CLI} frmWeir txt1H1=2 --save ${WORK}/link.vado
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${WORK}/real.vado saved)
string(FIND "${saved}" "\"txt1H1\": \"2\"" at)
if(NOT rc EQUAL 0 OR NOT IS_SYMLINK ${WORK}/link.vado OR at EQUAL -1)
  message(FATAL_ERROR "a project saved through a link did not reach its target (exit ${rc}):\n${out}${err}")
endif()

# A folder and a FIFO are refused with a message, and left as they were.
file(MAKE_DIRECTORY ${WORK}/folder.pdf)
execute_process(COMMAND mkfifo ${WORK}/pipe.pdf RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "mkfifo could not make ${WORK}/pipe.pdf")
endif()
foreach(target folder.pdf pipe.pdf)
  execute_process(COMMAND ${CLI} frmWeir --print ${WORK}/${target}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 60)
  string(FIND "${out}" "report: not printed: cannot write ${WORK}/${target} (" at)
  if(NOT rc EQUAL 1 OR at EQUAL -1)
    message(FATAL_ERROR "a report onto ${target} was not refused (exit ${rc}):\n${out}${err}")
  endif()
endforeach()
execute_process(COMMAND test -p ${WORK}/pipe.pdf RESULT_VARIABLE fifo)
if(NOT IS_DIRECTORY ${WORK}/folder.pdf OR NOT fifo EQUAL 0)
  message(FATAL_ERROR "a refused report changed the folder or the FIFO")
endif()

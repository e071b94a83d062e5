# vadocalc-cli --print end to end: the weir report written as a PDF and read back with
# pdftotext, and a failed Compute that must leave no PDF behind.
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

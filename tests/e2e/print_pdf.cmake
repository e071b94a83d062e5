# vadocalc-cli --print end to end: the weir report as a PDF read back with pdftotext; a failed
# Compute leaves no PDF; a report or a project written through a symbolic link reaches its
# target, never a folder or a FIFO. Arguments: -DCLI=<vadocalc-cli> -DPDFTOTEXT=<pdftotext>
# -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs vadocalc-cli frmWeir ARGN; fails with `what` unless it exits with `code`.
function(weir what code)
  execute_process(COMMAND ${CLI} frmWeir ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
    RESULT_VARIABLE rc TIMEOUT 60)
  if(NOT rc EQUAL code)
    message(FATAL_ERROR "${what} (exit ${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

weir("the report was not printed" 0 --print ${WORK}/w.pdf --info "txtOwnerName=Hilltop Farm LLC"
  --info cboCounty=Adams --info txtState=PA --info "txtDesigner=Field Office" --info "txtSite=Pond 3")
execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/w.pdf - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
string(TIMESTAMP today "%m/%d/%Y")
# In this order; pdftotext lays blanks out as fits, so they are matched loosely.
if(NOT rc EQUAL 0 OR NOT text MATCHES "Weir Flow Formula Solution.*prepared for.*Hilltop Farm LLC.*\n *in *\n.*Adams County, PA.*Designer: Field Office +Checker: _+.*Date: ${today}.*Pond 3.*Weir Coefficient \\(C\\): +3\\.1.*Diameter of Weir: +24 in\\..*Head on Weir: +1 ft\\..*Weir Capacity: +19\\.48 cfs")
  message(FATAL_ERROR "pdftotext (${PDFTOTEXT}, poppler-utils) gave exit ${rc} and:\n${text}")
endif()

weir("a failed Compute" 0 txt1Dia=84.1 --print ${WORK}/failed.pdf)
file(GLOB left ${WORK}/failed*)
if(left OR NOT out MATCHES "\\[Input Error\\] Please enter a number between 0\\.2 and 84\\.0\\.")
  message(FATAL_ERROR "a failed Compute left '${left}' or no message:\n${out}")
endif()

# Through a link: the link stays and its target takes the report, then the project.
foreach(file real.pdf real.vado)
  file(WRITE ${WORK}/${file} "old")
  file(CREATE_LINK ${file} ${WORK}/link-${file} SYMBOLIC)
endforeach()
weir("a report through a link" 0 --print ${WORK}/link-real.pdf)
weir("a project through a link" 0 txt1H1=2 --save ${WORK}/link-real.vado)
file(READ ${WORK}/real.pdf pdf LIMIT 8)
file(READ ${WORK}/real.vado saved)
if(NOT IS_SYMLINK ${WORK}/link-real.pdf OR NOT IS_SYMLINK ${WORK}/link-real.vado
   OR NOT pdf MATCHES "^%PDF" OR NOT saved MATCHES "\"txt1H1\": \"2\"")
  message(FATAL_ERROR "a link did not stay, or its target did not take the file")
endif()

# A folder and a FIFO are refused with a message, and left as they were.
file(MAKE_DIRECTORY ${WORK}/folder.pdf)
execute_process(COMMAND mkfifo ${WORK}/pipe.pdf)
foreach(target folder.pdf pipe.pdf)
  weir("a report onto ${target}" 1 --print ${WORK}/${target})
  string(FIND "${out}" "report: not printed: cannot write ${WORK}/${target} (" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no refusal for ${target}:\n${out}")
  endif()
endforeach()
execute_process(COMMAND test -p ${WORK}/pipe.pdf RESULT_VARIABLE fifo)
if(NOT IS_DIRECTORY ${WORK}/folder.pdf OR NOT fifo EQUAL 0)
  message(FATAL_ERROR "a refused report changed the folder or the FIFO")
endif()

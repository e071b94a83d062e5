# vadocalc-cli --print end to end: the weir report, headed with the project information, as a PDF
# read back with pdftotext. Arguments: -DCLI=<vadocalc-cli> -DPDFTOTEXT=<pdftotext> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CLI} frmWeir --print ${WORK}/w.pdf --info "txtOwnerName=Hilltop Farm LLC"
    --info cboCounty=Adams --info txtState=PA --info "txtDesigner=Field Office" --info "txtSite=Pond 3"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 60)
execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/w.pdf - OUTPUT_VARIABLE text)
string(TIMESTAMP today "%m/%d/%Y")
# In this order; pdftotext lays blanks out as fits, so they are matched loosely.
if(NOT rc EQUAL 0 OR NOT text MATCHES "Weir Flow Formula Solution.*prepared for.*Hilltop Farm LLC.*\n *in *\n.*Adams County, PA.*Designer: Field Office +Checker: _+.*Date: ${today}.*Pond 3.*Weir Coefficient \\(C\\): +3\\.1.*Diameter of Weir: +24 in\\..*Head on Weir: +1 ft\\..*Weir Capacity: +19\\.48 cfs")
  message(FATAL_ERROR "exit ${rc}:\n${out}${err}\npdftotext (${PDFTOTEXT}, poppler-utils) read:\n${text}")
endif()

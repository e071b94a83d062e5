# vadocalc-cli --export end to end: the straight drop's rating written as CSV, as an SVG drawing
# (with the rating's lines; rendered by rsvg-convert when it is installed) and as a PNG picture
# of the asked scale.
# Arguments: -DCLI=<vadocalc-cli> -DRSVG=<rsvg-convert or empty> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(rating frmStraightDrop txt10Width=4.0 txt10Depth=1.0 "txt10Elev(0)=100.0" "txt10Elev(1)=96.0"
    --click cmdStageDischarge --window frmStageDischarge)

function(export file)
  execute_process(COMMAND ${CLI} ${rating} --export ${WORK}/${file} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/${file})
    message(FATAL_ERROR "${file} was not written (exit ${rc}):\n${out}${err}")
  endif()
endfunction()

export(r.csv)
# Compared byte for byte (file(READ) as text would drop the CRs of the record ends).
file(READ ${WORK}/r.csv csv HEX)
string(HEX "Elevation,Discharge\r\n,CFS\r\n100.2,1.18\r\n100.4,3.30\r\n100.6,6.00\r\n100.8,9.15\r\n101.0,12.65\r\n" expected)
if(NOT csv STREQUAL expected)
  file(READ ${WORK}/r.csv text)
  message(FATAL_ERROR "the CSV holds:\n${text}")
endif()

export(r.svg)
file(READ ${WORK}/r.svg svg)
foreach(part "<svg" "</svg>" "<polyline" "Discharge vs Elevation")
  string(FIND "${svg}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "'${part}' is missing from the SVG")
  endif()
endforeach()
if(RSVG)
  execute_process(COMMAND ${RSVG} ${WORK}/r.svg -o ${WORK}/r-rendered.png RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "rsvg-convert could not render the SVG: ${err}")
  endif()
endif()

# A PNG's width and height are the 4-byte numbers at bytes 16 and 20 of its header.
function(check_png file width height)
  file(READ ${WORK}/${file} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL width OR NOT h EQUAL height)
    message(FATAL_ERROR "${file} is ${w} x ${h}, not ${width} x ${height}")
  endif()
endfunction()
export(r3.png --scale 3)
check_png(r3.png 2160 1440)

# vadocalc-cli --export of the straight drop's rating window: the table as CSV (compared byte
# for byte, CRs included), the graph as SVG and as a PNG of the asked scale.
# Arguments: -DCLI=<vadocalc-cli> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(export r.csv r.svg "r3.png --scale 3")
  separate_arguments(args UNIX_COMMAND "${export}")
  list(GET args 0 file)
  execute_process(COMMAND ${CLI} frmStraightDrop txt10Width=4.0 txt10Depth=1.0 "txt10Elev(0)=100.0"
      "txt10Elev(1)=96.0" --click cmdStageDischarge --window frmStageDischarge
      --export ${WORK}/${args} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/${file})
    message(FATAL_ERROR "${file} was not written (exit ${rc}):\n${out}${err}")
  endif()
endforeach()
file(READ ${WORK}/r.csv csv HEX)
string(HEX "Elevation,Discharge\r\n,CFS\r\n100.2,1.18\r\n100.4,3.30\r\n100.6,6.00\r\n100.8,9.15\r\n101.0,12.65\r\n" expected)
file(READ ${WORK}/r.svg svg)
# A PNG's width and height are the 4-byte numbers at bytes 16 and 20 of its header.
file(READ ${WORK}/r3.png png LIMIT 24 HEX)
string(SUBSTRING "${png}" 32 16 size)
if(NOT csv STREQUAL expected OR NOT svg MATCHES "<polyline" OR NOT svg MATCHES "</svg>\n*$"
   OR NOT svg MATCHES "Discharge vs Elevation" OR NOT size STREQUAL "00000870000005a0")
  file(READ ${WORK}/r.csv text)
  message(FATAL_ERROR "the CSV holds\n${text}\nthe SVG\n${svg}\nthe PNG's size is ${size} (2160 x 1440 expected)")
endif()

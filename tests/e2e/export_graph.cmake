# vadocalc-cli --export of the straight drop's rating window: the table as CSV (compared byte
# for byte, CRs included), the graph as SVG and as a PNG of the asked scale.
# Arguments: -DCLI=<vadocalc-cli> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(export r.csv r.svg "r3.png --scale 3")
  separate_arguments(args UNIX_COMMAND "${export}")
  execute_process(COMMAND ${CLI} frmStraightDrop txt10Width=4.0 txt10Depth=1.0 "txt10Elev(0)=100.0"
      "txt10Elev(1)=96.0" --click cmdStageDischarge --window frmStageDischarge
      --export ${WORK}/${args} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(READ ${WORK}/r.csv csv HEX)
string(HEX "Elevation,Discharge\r\n,CFS\r\n100.2,1.18\r\n100.4,3.30\r\n100.6,6.00\r\n100.8,9.15\r\n101.0,12.65\r\n" expected)
file(READ ${WORK}/r.svg svg)
# A PNG's width and height are the 4-byte numbers at bytes 16 and 20 of its header.
file(READ ${WORK}/r3.png png OFFSET 16 LIMIT 8 HEX)
if(NOT csv STREQUAL expected OR NOT svg MATCHES "<polyline.*</svg>\n*$" OR NOT png STREQUAL "00000870000005a0")
  file(READ ${WORK}/r.csv csv)
  message(FATAL_ERROR "the CSV holds\n${csv}\nthe SVG\n${svg}\nthe PNG's size is ${png} (2160 x 1440 expected)")
endif()

# vadocalc --screenshot whose step opens a message box: the box is pictured and closed, and the
# run ends by itself instead of waiting for a person (the timeout catches a wait).
# Arguments: -DDESKTOP=<vadocalc> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${DESKTOP} --screenshot ${WORK}/refused.png --page 1 --set txt1H1=0 --click cmdCompute
    --set txt1H1=2
  TIMEOUT 60 COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${WORK}/refused.png)
  message(FATAL_ERROR "no picture")
endif()

# Compiles the help for Windows, Pocz.chm, from the HTML pages of the content
# pack (data/Pomoc) and the project files in tools/help.
#   cmake -DCHMCMD=... -DSOURCE=<project root> -DWORK=<scratch dir> -DOUT=<file> -P Chm.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SOURCE}/data/Pomoc" DESTINATION "${WORK}")
file(COPY "${SOURCE}/tools/help/Pocz.hhp" "${SOURCE}/tools/help/Pocz.hhc" DESTINATION "${WORK}")
execute_process(COMMAND "${CHMCMD}" Pocz.hhp
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/Pocz.chm")
  message(FATAL_ERROR "chmcmd failed:\n${output}")
endif()
get_filename_component(outdir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outdir}")
file(COPY_FILE "${WORK}/Pocz.chm" "${OUT}")

# The help: the HTML pages of data/Pomoc come beside the executable with the
# rest of the content pack. For Windows, where the program opens Pocz.chm,
# the pages are also compiled into it with chmcmd (Debian: fp-utils); other
# builds need not, as the program opens the HTML pages there.
option(TERRAVIA_CHM "Compile the help file Pocz.chm (needs chmcmd, Debian fp-utils)" ${WIN32})
if(TERRAVIA_CHM)
  find_program(TERRAVIA_CHMCMD chmcmd)
  if(NOT TERRAVIA_CHMCMD)
    message(WARNING "chmcmd was not found: Pocz.chm is left out (Debian: apt-get install fp-utils)")
  else()
    file(GLOB_RECURSE TERRAVIA_HELP_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/Pomoc/*)
    add_custom_command(OUTPUT ${TERRAVIA_OUTPUT_DIR}/Pocz.chm
      COMMAND ${CMAKE_COMMAND} -DCHMCMD=${TERRAVIA_CHMCMD} -DSOURCE=${PROJECT_SOURCE_DIR}
              -DWORK=${CMAKE_BINARY_DIR}/chm -DOUT=${TERRAVIA_OUTPUT_DIR}/Pocz.chm
              -P ${PROJECT_SOURCE_DIR}/cmake/Chm.cmake
      DEPENDS ${TERRAVIA_HELP_PAGES} ${PROJECT_SOURCE_DIR}/tools/help/Pocz.hhp
              ${PROJECT_SOURCE_DIR}/tools/help/Pocz.hhc ${PROJECT_SOURCE_DIR}/cmake/Chm.cmake
      COMMENT "Compiling the help Pocz.chm")
    add_custom_target(terravia_chm ALL DEPENDS ${TERRAVIA_OUTPUT_DIR}/Pocz.chm)
  endif()
endif()

# Copies the content pack into the folder of the executable (its data
# directory). A checkout without content still builds.
if(EXISTS "${SRC}")
  file(COPY "${SRC}/" DESTINATION "${DST}")
endif()

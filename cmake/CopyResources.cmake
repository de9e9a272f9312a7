# Copies resources/ beside the executable; an existing ConnectDB.ini is kept,
# because the operator's saved connection settings live in it.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  if(f STREQUAL "ConnectDB.ini" AND EXISTS ${DST}/ConnectDB.ini)
    continue()
  endif()
  get_filename_component(dir ${DST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
endforeach()

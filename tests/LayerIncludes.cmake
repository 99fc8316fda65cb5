# Checks the program folders' includes: every header of the program is named
# by its folder ("expr/Express.h"), and a folder includes only its own layer
# and the layers below it:
#   base <- expr <- document <- analysis <- view, dialogs <- app
# (dialogs see the document, not the analysis)
# A room of a folder (view/raster/, document/files/) is part of its folder's
# layer and private to it: only the folder and its rooms include its headers.
# Run by CTest: cmake -DSOURCE_DIR=<repository> -P LayerIncludes.cmake
cmake_minimum_required(VERSION 3.25)
set(layers base expr document analysis view dialogs app)
set(below_base "")
set(below_expr base)
set(below_document expr base)
set(below_analysis document expr base)
set(below_view analysis document expr base)
set(below_dialogs document expr base)
set(below_app view dialogs analysis document expr base)

set(faults "")
foreach(folder IN LISTS layers)
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h
                    ${SOURCE_DIR}/${folder}/*/*.cpp ${SOURCE_DIR}/${folder}/*/*.h)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]*" head "${header}")
      if(header STREQUAL head OR head STREQUAL "." OR head STREQUAL "..")
        list(APPEND faults "${name}: ${line}: name the header by its folder")
      elseif(head IN_LIST layers AND NOT head STREQUAL folder AND NOT head IN_LIST below_${folder})
        list(APPEND faults "${name}: ${line}: ${folder}/ may not include ${head}/")
      elseif(head IN_LIST layers AND NOT head STREQUAL folder AND header MATCHES "^[^/]+/[^/]+/")
        string(REGEX MATCH "^[^/]+/[^/]+" room "${header}")
        list(APPEND faults "${name}: ${line}: ${room}/ is a room of ${head}/, for ${head}/ alone")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()

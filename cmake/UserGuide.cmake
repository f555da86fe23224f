# Builds the program's user guide, one HTML page, from the sources of data/help: the page's start,
# then every numbered section in the order of its number, then the page's end, with @VERSION@ and
# @COPYRIGHT@ filled in.
#   cmake -D SOURCE_DIR=<data/help> -D OUTPUT=<file> -D VERSION=<x.y.z> -D COPYRIGHT=<line> -P UserGuide.cmake
file(GLOB sections "${SOURCE_DIR}/[0-9]*.html")
list(SORT sections)
file(READ "${SOURCE_DIR}/page-start.html" page)
foreach(section IN LISTS sections)
  file(READ "${section}" text)
  string(APPEND page "${text}")
endforeach()
file(READ "${SOURCE_DIR}/page-end.html" text)
string(APPEND page "${text}")
string(CONFIGURE "${page}" page @ONLY)
file(WRITE "${OUTPUT}" "${page}")

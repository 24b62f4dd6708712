# Keeps the folders of src/ in layers that run one way: a file may include its own folder and
# the folders below it, never one above. Run as
#   cmake -DSOURCE_DIR=<src> -P layers_test.cmake
# and fails with every offending include listed.
#
# From the bottom up:
#   base       plain values every layer shares (Message, floor division, ASCII text)
#   platform   the stand-in C libraries and the operating system's services
#   calendar   calendar dispatch and the Dee arithmetic
#   datetext   date texts, input checks, text helpers
#   support    program texts, identity, listing text, shared widgets
#   run        the Qt-free run of each main-window press, shared by the window and clvt
#   sequence   the date sequence listing and its window
#   equinox    the equinox instants, their table and its window
#   mainwindow the main window
#   app        main() of the desktop program
#   cli        clvt, which also never includes a window or widget header
set(layers base platform calendar datetext support run sequence equinox mainwindow app cli)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "pass -DSOURCE_DIR=<the src folder>")
endif()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  list(FIND layers "${folder}" level)
  if(level EQUAL -1)
    string(APPEND faults "\n  ${file}: folder ${folder} has no layer")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "[\"<]([^\">]+)[\">]")
      continue()
    endif()
    set(included "${CMAKE_MATCH_1}")
    if(folder STREQUAL "cli" AND included MATCHES "(_window|_widget)\\.h$|^Q")
      string(APPEND faults "\n  ${file}: clvt includes ${included}")
    endif()
    if(NOT included MATCHES "/")
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target "${included}")
    list(FIND layers "${target}" targetLevel)
    if(targetLevel GREATER level)
      string(APPEND faults "\n  ${file}: ${folder} includes ${included} from the layer above")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
list(LENGTH files count)
message(STATUS "${count} files keep to the layers")

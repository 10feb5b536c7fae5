# Runs `vexilor --export-table` as a script would: a project in, its table
# out. The markers of the project below sit on the corners of an upright
# rectangle, so every chart value follows by proportion and the table is known
# exactly. A project that cannot be read must end with a message and a failure
# status and leave an older table of the output's name as it was; a command
# line missing its output file is a usage error.
#   cmake -DVEXILOR=<program> -DWORK=<scratch folder> -P export_table_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

include(${CMAKE_CURRENT_LIST_DIR}/project_records.cmake)

function(export)
  execute_process(COMMAND ${VEXILOR} --export-table ${ARGN}
                  WORKING_DIRECTORY ${WORK} TIMEOUT 20
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
  set(status "${status}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

# Markers at (100,100) (500,100) (500,400) (100,400) for X 0..40 and Y 0..30;
# one line, parameter 7.5, with three points; a 600 x 500 picture not named.
write_records(${WORK}/rectangle.vxr 100 100 500 100 500 400 100 400
              1 3 200 250 300 175 500 400 0 40 0 30 600 500 "" 7.5)
export(${WORK}/rectangle.vxr ${WORK}/table.txt)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "a sound project: ended with '${status}': ${errors}")
endif()
set(wanted "")
foreach(record "            1" "            3" "    7.500000    "
               "    10.00000       15.00000    " "    20.00000       22.50000    "
               "    40.00000       0.000000    ")
  string(APPEND wanted "${record}\r\n")
endforeach()
# Read as hex: a text read would drop the carriage returns.
file(READ ${WORK}/table.txt table HEX)
string(HEX "${wanted}" wanted)
if(NOT table STREQUAL wanted)
  file(READ ${WORK}/table.txt table)
  message(FATAL_ERROR "the table is not the chart values of the points:\n${table}")
endif()

# A damaged project: the table written before stays.
write_records(${WORK}/damaged.vxr 100 100 500 100 500 400 100 400 1 3 200 250)
file(WRITE ${WORK}/older.txt "an older table")
export(${WORK}/damaged.vxr ${WORK}/older.txt)
file(READ ${WORK}/older.txt older)
string(FIND "${errors}" "damaged.vxr" named)
if(status EQUAL 0 OR named EQUAL -1 OR NOT older STREQUAL "an older table")
  message(FATAL_ERROR "a damaged project: status '${status}', table '${older}', stderr: ${errors}")
endif()

export(${WORK}/rectangle.vxr)
string(FIND "${errors}" "--help" hinted)
if(NOT status EQUAL 2 OR hinted EQUAL -1)
  message(FATAL_ERROR "no output file: status '${status}', stderr: ${errors}")
endif()

# Runs `vexilor --export-csv` and `vexilor --export-family` as a script would.
# The project's markers sit on an upright rectangle for X 0..40 and Y 0..30,
# and its two lines are straight, so both files are known. A grid that does
# not read, a project that cannot be read, or a missing grid must end with a
# message and a failure status and leave an older file of the output's name
# as it was.
#   cmake -DVEXILOR=<program> -DWORK=<scratch folder> -P export_csv_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

include(${CMAKE_CURRENT_LIST_DIR}/project_records.cmake)

function(run)
  execute_process(COMMAND ${VEXILOR} ${ARGN} WORKING_DIRECTORY ${WORK} TIMEOUT 20
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
  set(status "${status}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_file file wanted what)
  file(READ ${file} text HEX)
  string(HEX "${wanted}" wanted_hex)
  if(NOT text STREQUAL wanted_hex)
    file(READ ${file} text)
    message(FATAL_ERROR "${what}:\n${text}")
  endif()
endfunction()

# Line 1 (p 7.5): pixels (100,400) (500,100), chart (0,0) (40,30).
# Line 2 (p 9): pixels (100,300) (300,250), chart (0,10) (20,15).
write_records(${WORK}/lines.vxr 100 100 500 100 500 400 100 400
              2 2 100 400 500 100 2 100 300 300 250 0 40 0 30 600 500 "" 7.5 9)

run(--export-csv ${WORK}/lines.vxr ${WORK}/points.csv)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "--export-csv of a sound project: '${status}': ${errors}")
endif()
expect_file(${WORK}/points.csv "line,parameter,x,y\r\n1,7.5,0,0\r\n1,7.5,40,30\r\n2,9,0,10\r\n2,9,20,15\r\n"
            "the points CSV is not the points of the project")

run(--export-family ${WORK}/lines.vxr ${WORK}/family.csv --grid 0:10:40)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "--export-family of a sound project: '${status}': ${errors}")
endif()
expect_file(${WORK}/family.csv "x,7.5,9\r\n0,0,10\r\n10,7.5,12.5\r\n20,15,15\r\n30,22.5,\r\n40,30,\r\n"
            "the family table is not the lines on the grid")

# Failures: a grid that does not read, a damaged project, no grid at all.
file(WRITE ${WORK}/older.csv "an older table")
write_records(${WORK}/damaged.vxr 100 100 500 100 500 400 100 400 2 2 100)
foreach(case "--export-family;${WORK}/lines.vxr;${WORK}/older.csv;--grid;0:ten:40;ten"
             "--export-family;${WORK}/lines.vxr;${WORK}/older.csv;--grid;0:0:40;step"
             "--export-csv;${WORK}/damaged.vxr;${WORK}/older.csv;damaged.vxr"
             "--export-family;${WORK}/damaged.vxr;${WORK}/older.csv;--grid;0:1:2;damaged.vxr")
  list(POP_BACK case named)
  run(${case})
  file(READ ${WORK}/older.csv older)
  string(FIND "${errors}" "${named}" told)
  if(NOT status EQUAL 1 OR told EQUAL -1 OR NOT older STREQUAL "an older table")
    message(FATAL_ERROR "${case}: status '${status}', file '${older}', stderr: ${errors}")
  endif()
endforeach()

run(--export-family ${WORK}/lines.vxr ${WORK}/older.csv)
string(FIND "${errors}" "--grid" told)
if(NOT status EQUAL 2 OR told EQUAL -1)
  message(FATAL_ERROR "no grid: status '${status}', stderr: ${errors}")
endif()

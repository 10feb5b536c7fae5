# Runs `vexilor --screenshot` as a user or a script would, on a project or a
# picture. A run must end (never wait for anyone) with a message and a
# failure status when the project or its picture is missing, and a screenshot
# that cannot be written must leave the older one of that name as it was.
#   cmake -DVEXILOR=<program> -DEXAMPLES=<examples folder> -DPDFS=<test PDFs folder>
#         -DWORK=<scratch folder> -P screenshot_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/config ${WORK}/runtime ${WORK}/no-picture)
file(CHMOD ${WORK}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(COPY ${EXAMPLES}/example.vxr DESTINATION ${WORK}/no-picture)
set(old_shot "an older screenshot")

# Runs the program under `sh -c`, with `limits` (shell commands) applied
# first; further arguments are options put before the others.
function(shoot limits project)
  string(JOIN " " options ${ARGN})
  file(WRITE ${WORK}/shot.png "${old_shot}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${WORK}
            XDG_CONFIG_HOME=${WORK}/config XDG_RUNTIME_DIR=${WORK}/runtime
            sh -c "${limits} exec \"$0\" ${options} --screenshot \"$1\" \"$2\"" ${VEXILOR} ${WORK}/shot.png ${project}
    WORKING_DIRECTORY ${WORK}
    TIMEOUT 25
    RESULT_VARIABLE status
    ERROR_VARIABLE errors)
  file(READ ${WORK}/shot.png shot LIMIT 100 HEX)
  file(GLOB debris ${WORK}/shot.png.saving-*)
  set(status "${status}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
  set(shot "${shot}" PARENT_SCOPE)
  set(debris "${debris}" PARENT_SCOPE)
endfunction()

function(expect_refused what needle)
  if(NOT status MATCHES "^[0-9]+$" OR status EQUAL 0)
    message(FATAL_ERROR "${what}: ended with '${status}', not with a failure status")
  endif()
  string(FIND "${errors}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: stderr does not name ${needle}: ${errors}")
  endif()
  string(HEX "${old_shot}" old_hex)
  if(NOT shot STREQUAL old_hex OR debris)
    message(FATAL_ERROR "${what}: the older screenshot was harmed (${debris})")
  endif()
endfunction()

shoot("" ${WORK}/missing.vxr)
expect_refused("missing project" "missing.vxr")

shoot("" ${WORK}/no-picture/example.vxr)
expect_refused("missing picture" ".bmp")

# Files of at most one block of 512 bytes, and a write beyond fails as on a full disk.
shoot("trap '' XFSZ; ulimit -f 1;" ${EXAMPLES}/example.vxr)
expect_refused("failed write" "shot.png")

shoot("" ${EXAMPLES}/example.vxr)
if(NOT status EQUAL 0 OR NOT shot MATCHES "^89504e47")
  message(FATAL_ERROR "a sound project: status '${status}', ${errors}")
endif()

# A picture named on the command line opens as a picture; the unsaved picture
# must not hold the run up with a question at the end.
shoot("" ${EXAMPLES}/chart.bmp)
if(NOT status EQUAL 0 OR NOT shot MATCHES "^89504e47")
  message(FATAL_ERROR "a picture: status '${status}', ${errors}")
endif()

# A page of a PDF opens without asking, at the page and resolution given;
# what cannot be opened ends the run with its reason.
shoot("" ${PDFS}/two_pages.pdf --page 2 --dpi 144)
if(NOT status EQUAL 0 OR NOT shot MATCHES "^89504e47")
  message(FATAL_ERROR "a page of a PDF: status '${status}', ${errors}")
endif()
shoot("" ${PDFS}/two_pages.pdf --page 3)
expect_refused("a page the PDF lacks" "no page 3")
shoot("" ${PDFS}/two_pages.pdf --page 2 --dpi 20000)
expect_refused("a page too large to hold" "lower resolution")
shoot("" ${PDFS}/protected.pdf)
expect_refused("a protected PDF" "password")

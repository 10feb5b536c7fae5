# Fails when any file of the core includes a Qt header.
file(GLOB_RECURSE sources ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
foreach(f ${sources})
  file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "${f} includes a Qt header: ${hits}")
  endif()
endforeach()

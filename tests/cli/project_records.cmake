# Writes each argument as one CRLF-ended record of a file, as project files are.
function(write_records file)
  set(text "")
  foreach(record IN LISTS ARGN)
    string(APPEND text "${record}\r\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()

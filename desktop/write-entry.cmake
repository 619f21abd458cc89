# Runs at install time. The program sits in the root of the prefix, which is on no one's PATH,
# so the installed entry starts it by its full path.
file(READ "${TARVOLO_ENTRY_IN}" entry)
get_filename_component(exec "${CMAKE_INSTALL_PREFIX}/tarvolo" ABSOLUTE)
string(REPLACE "%" "%%" exec "${exec}")
if(exec MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
  # a quoted argument: ", `, $ and \ are escaped, and every \ once more for the key's value
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=${exec}" entry "${entry}")
file(WRITE "${TARVOLO_ENTRY_OUT}" "${entry}")

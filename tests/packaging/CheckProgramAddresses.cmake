# Fails when the program holds an address at a domain reserved for examples
# or for no one (example.com, *.example, *.invalid, localhost, ...), in its
# 8-bit or its UTF-16 texts. Run as: cmake -DPROGRAM=<file> -P CheckProgramAddresses.cmake
set(reserved "(^|[^a-z0-9-])example\\.(com|org|net)|[a-z0-9]\\.(example|invalid|test|localhost)([^a-z0-9-]|$)|@localhost")
foreach(encoding UTF-8 UTF-16LE)
  file(STRINGS ${PROGRAM} found ENCODING ${encoding} REGEX "${reserved}")
  if(found)
    list(JOIN found "\n  " found)
    message(FATAL_ERROR "${PROGRAM} holds reserved addresses (${encoding}):\n  ${found}")
  endif()
endforeach()

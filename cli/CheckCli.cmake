# Runs dizizuzuri-cli once and checks what it did; used by the cli_* tests.
#   CLI            the tool
#   ARGS           its arguments, separated by "|"
#   EXIT           the exit code expected
#   OUT, ERR       regular expressions the standard output / error must match;
#                  the value EMPTY means the stream must stay empty
#   OUT_LINES      the number of lines expected on the standard output
#   JSON           "|"-separated checks "member.member.index=value" on the
#                  standard output read as JSON
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)

function(fail what)
  message(FATAL_ERROR "${what}\n--- exit code: ${code}\n--- standard output:\n${out}\n--- standard error:\n${err}")
endfunction()

if(NOT code STREQUAL "${EXIT}")
  fail("expected exit code ${EXIT}")
endif()
foreach(stream out err)
  string(TOUPPER ${stream} key)
  if(NOT DEFINED ${key})
    continue()
  endif()
  if(${key} STREQUAL "EMPTY")
    if(NOT "${${stream}}" STREQUAL "")
      fail("expected nothing on the ${stream} stream")
    endif()
  elseif(NOT "${${stream}}" MATCHES "${${key}}")
    fail("the ${stream} stream does not match: ${${key}}")
  endif()
endforeach()
if(DEFINED OUT_LINES)
  string(REGEX MATCHALL "\n" ends "${out}")
  list(LENGTH ends lines)
  if(NOT lines EQUAL OUT_LINES)
    fail("expected ${OUT_LINES} lines on the standard output, found ${lines}")
  endif()
endif()
if(DEFINED JSON)
  string(REPLACE "|" ";" checks "${JSON}")
  foreach(check IN LISTS checks)
    string(FIND "${check}" "=" at)
    string(SUBSTRING "${check}" 0 ${at} path)
    math(EXPR after "${at} + 1")
    string(SUBSTRING "${check}" ${after} -1 expected)
    string(REPLACE "." ";" members "${path}")
    string(JSON value ERROR_VARIABLE error GET "${out}" ${members})
    if(error)
      fail("JSON ${path}: ${error}")
    elseif(NOT value STREQUAL expected)
      fail("JSON ${path} is '${value}', expected '${expected}'")
    endif()
  endforeach()
endif()

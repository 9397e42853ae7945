# Every C++ file of the project is as clang-format, with the project's .clang-format, writes it.
# Run with -DROOT=<the project> -DCLANG_FORMAT=<the tool, or empty>. Without the tool the check
# skips itself, except under CI=true, where a check that did not run must not pass.
if(NOT CLANG_FORMAT)
  if("$ENV{CI}" STREQUAL "true")
    message(FATAL_ERROR "clang-format not found (scripts/install-deps installs it)")
  endif()
  message("clang-format not found, skipped")
  return()
endif()
set(files "")
foreach(dir app bench fuzz src tests)
  file(GLOB_RECURSE found "${ROOT}/${dir}/*.cpp" "${ROOT}/${dir}/*.h")
  list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
                RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "not formatted (clang-format -i <file> writes it):\n${report}")
endif()
list(LENGTH files checked)
message(STATUS "${checked} C++ files, all formatted")

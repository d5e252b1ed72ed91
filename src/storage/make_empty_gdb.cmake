# Builds empty.gdb from data/empty.sql with isql-fb through the embedded engine.
# cmake -DISQL=... -DSQL=.../empty.sql -DWORK=<scratch dir> -DOUT=<program dir>/empty.gdb -P make_empty_gdb.cmake
# The database is made in a scratch directory and copied into place only when whole, so an
# interrupted build never leaves a half-written template beside the program.
foreach(var ISQL SQL WORK OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_empty_gdb: ${var} not set")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/lock)
file(COPY ${SQL} DESTINATION ${WORK})
get_filename_component(script ${SQL} NAME)
# The engine's default lock directory is root-only; the build keeps its locks to itself.
set(ENV{FIREBIRD_LOCK} ${WORK}/lock)
execute_process(
  COMMAND ${ISQL} -q -b -i ${script}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/empty.gdb)
  message(FATAL_ERROR "make_empty_gdb: isql-fb failed (${result}):\n${output}")
endif()
file(COPY_FILE ${WORK}/empty.gdb ${OUT}.part)
file(RENAME ${OUT}.part ${OUT})
file(REMOVE_RECURSE ${WORK})

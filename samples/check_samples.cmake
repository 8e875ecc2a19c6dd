# Regenerates the samples into WORK_DIR and checks that the committed copies in SAMPLES_DIR are
# byte for byte the same, so the files never drift from the code that makes them.
#   cmake -DGENERATOR=<generate_samples> -DSAMPLES_DIR=<samples> -DWORK_DIR=<scratch> -P check_samples.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${GENERATOR}" "${WORK_DIR}" RESULT_VARIABLE generated OUTPUT_QUIET)
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "generate_samples failed: ${generated}")
endif()

file(GLOB fresh RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(LENGTH fresh count)
if(count EQUAL 0)
  message(FATAL_ERROR "generate_samples wrote nothing")
endif()

set(stale)
foreach(name IN LISTS fresh)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/${name}" "${SAMPLES_DIR}/${name}"
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    list(APPEND stale "${name}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")

if(stale)
  message(FATAL_ERROR "samples differ from what the code generates (run generate_samples "
                      "into the samples folder): ${stale}")
endif()

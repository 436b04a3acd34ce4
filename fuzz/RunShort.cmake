# One short fuzz run, started by ctest:
#   cmake -DFUZZER=<exe> -DWORK=<dir> -DARTIFACTS=<dir> -DSEEDS=<dir> -DOPTIONS=<a|b|..> -P RunShort.cmake
# The work folder starts empty every time, so that a run only depends on the
# seeds and the fixed seed of the options.
string(REPLACE "|" ";" options "${OPTIONS}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK} ${ARTIFACTS})
execute_process(COMMAND ${FUZZER} ${options} ${WORK} ${SEEDS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}); the input is in the artifacts folder")
endif()

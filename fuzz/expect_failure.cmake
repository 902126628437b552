# Runs PROGRAM with ARGUMENT and passes only when it exits with 1 and says MESSAGE on stderr, so a
# crash or a silent pass are both failures.
execute_process(COMMAND ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 1 OR NOT errors MATCHES "${MESSAGE}")
    message(FATAL_ERROR "expected exit 1 and \"${MESSAGE}\", got exit ${result}: ${errors}")
endif()

# Installs BUILD into a fresh PREFIX and runs the CHECK script on it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${installed})")
endif()
execute_process(COMMAND bash ${CHECK} ${PREFIX} ${BUILD} RESULT_VARIABLE checked)
file(REMOVE_RECURSE ${PREFIX})
if(NOT checked EQUAL 0)
    message(FATAL_ERROR "the installed tree failed its checks")
endif()

# Assembles the runnable program folder: the shipped data/ tree, the generated files and the programs.
set(KAVREL_PROGRAM_FOLDERS
    PlSysFile PlayLists Library/LB1 Library/LB2 Library/LBCD Lang/russian Lang/english Pictures help ForApollo)
set(assemble_commands)
foreach(folder ${KAVREL_PROGRAM_FOLDERS})
    list(APPEND assemble_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${KAVREL_PROGRAM_DIR}/${folder})
endforeach()
add_custom_target(program ALL
    ${assemble_commands}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data ${KAVREL_PROGRAM_DIR}
    COMMAND kavrel-default-conf ${KAVREL_PROGRAM_DIR}/PlSysFile
    COMMENT "Assembling the program folder in ${KAVREL_PROGRAM_DIR}"
    VERBATIM)
add_dependencies(program kavrel kavrel-default-conf kavrel-apollo CDReader)

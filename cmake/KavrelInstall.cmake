# What `cmake --install` lays down under the prefix:
#   bin/kavrel                the launcher: each user's program folder in $XDG_DATA_HOME/kavrel, then the player
#   bin/kavrel-{probe,library,play}   the command-line tools
#   libexec/kavrel/           the player itself and the outside-player stand-in, started only by the launcher
#   share/kavrel/             the shipped program folder, read-only: each user's folder is made from it
#   share/applications, share/metainfo, share/mime/packages, share/icons/hicolor   the desktop's view of it
# The target `installable` builds everything the install needs (scripts/run-player.sh uses it).
include(GNUInstallDirs)

set(KAVREL_APP_ID io.github.kavrel.Kavrel)
set(KAVREL_INSTALL_SHIPPED ${CMAKE_INSTALL_DATADIR}/kavrel)
set(KAVREL_INSTALL_PROGRAMS ${CMAKE_INSTALL_LIBEXECDIR}/kavrel)
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop)

# The shipped program folder: data/ as it stands, the generated system files, and the empty folders.
set(shipped_generated ${CMAKE_BINARY_DIR}/shipped/PlSysFile)
add_custom_command(
    OUTPUT ${shipped_generated}/DefaultConf.pcf ${shipped_generated}/Default.pef
    COMMAND ${CMAKE_COMMAND} -E make_directory ${shipped_generated}
    COMMAND kavrel-default-conf ${shipped_generated}
    DEPENDS kavrel-default-conf
    COMMENT "Writing the shipped system files"
    VERBATIM)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${KAVREL_INSTALL_SHIPPED})
install(FILES ${shipped_generated}/DefaultConf.pcf ${shipped_generated}/Default.pef
        DESTINATION ${KAVREL_INSTALL_SHIPPED}/PlSysFile)
foreach(folder ${KAVREL_PROGRAM_FOLDERS})
    install(DIRECTORY DESTINATION ${KAVREL_INSTALL_SHIPPED}/${folder})
endforeach()

# The player and its tools. The outside-player stand-in joins them once its target exists; each user's
# folder links to it (see the launcher).
install(TARGETS kavrel DESTINATION ${KAVREL_INSTALL_PROGRAMS})
if(TARGET kavrel-apollo)
    install(TARGETS kavrel-apollo DESTINATION ${KAVREL_INSTALL_PROGRAMS})
    # The CD plug-in each user's outside player is given from the program folder.
    install(TARGETS CDReader LIBRARY DESTINATION ${KAVREL_INSTALL_SHIPPED}/ForApollo)
endif()
set(installed_tools kavrel-probe kavrel-library kavrel-play)
install(TARGETS ${installed_tools} DESTINATION ${CMAKE_INSTALL_BINDIR})

# The launcher finds the shipped folder and the player relative to itself, so any prefix works.
file(RELATIVE_PATH KAVREL_BIN_TO_SHIPPED /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KAVREL_INSTALL_SHIPPED})
file(RELATIVE_PATH KAVREL_BIN_TO_PROGRAMS /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KAVREL_INSTALL_PROGRAMS})
configure_file(${desktop_dir}/kavrel-launcher.sh.in ${CMAKE_BINARY_DIR}/launcher/kavrel @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/kavrel DESTINATION ${CMAKE_INSTALL_BINDIR})

# Menu entry, software-centre data, the playlist file type and the icons.
install(FILES ${desktop_dir}/${KAVREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${KAVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/${KAVREL_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${KAVREL_APP_ID}.xml)
set(icon_root ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
    OUTPUT ${icon_root}/hicolor/256x256/apps/${KAVREL_APP_ID}.png
    COMMAND kavrel-icon-generator ${icon_root} ${KAVREL_APP_ID}
    DEPENDS kavrel-icon-generator
    COMMENT "Drawing the application icons"
    VERBATIM)
install(DIRECTORY ${icon_root}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

add_custom_target(installable ALL
    DEPENDS ${shipped_generated}/DefaultConf.pcf ${icon_root}/hicolor/256x256/apps/${KAVREL_APP_ID}.png)
add_dependencies(installable kavrel ${installed_tools})
if(TARGET kavrel-apollo)
    add_dependencies(installable kavrel-apollo CDReader)
endif()

# Where `cmake --install` and the .deb put the program:
#   libexec/earnmeter/earnmeter        the executable, with Readme.html beside it for Help > Readme,
#   libexec/earnmeter/earnmeter-program.so   and the module it loads to run the desktop program
#   bin/earnmeter                  a relative symbolic link to it
#   share/applications/, share/icons/hicolor/, share/metainfo/   the desktop integration,
#                                  under the id org.example.earnmeter
#   share/man/man1/earnmeter.1.gz  the manual page
#   share/doc/earnmeter/           the README with its screenshots and panel recipes, the copyright and the changelog
#   share/dbus-1/interfaces/       the description of the D-Bus interface the running program serves
#   share/lintian/overrides/       what the package check should not report
# The program lives in its own folder rather than bin/ because it opens the readme
# beside its executable; installed under /usr or /opt it keeps each user's files in
# the per-user data folder instead of beside itself.
if(NOT TARGET earnmeter)
    return()
endif()

set(EARNMETER_PROGRAM_DIR libexec/earnmeter)

install(TARGETS earnmeter RUNTIME DESTINATION ${EARNMETER_PROGRAM_DIR})
install(TARGETS earnmeter_program LIBRARY DESTINATION ${EARNMETER_PROGRAM_DIR})
# A stripped install (cpack) also drops the compiler's version notes, as Debian's own packages do.
foreach(installed earnmeter earnmeter-program.so)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${EARNMETER_PROGRAM_DIR}/${installed}\" COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/Readme.html DESTINATION ${EARNMETER_PROGRAM_DIR})

# Relative, so the link holds under any prefix, DESTDIR or package root.
set(earnmeter_link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${earnmeter_link_dir})
file(CREATE_LINK ../${EARNMETER_PROGRAM_DIR}/earnmeter ${earnmeter_link_dir}/earnmeter SYMBOLIC)
install(FILES ${earnmeter_link_dir}/earnmeter DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.earnmeter.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.example.earnmeter.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons
    FILES_MATCHING PATTERN earnmeter.png PATTERN earnmeter.svg)

# The README's screenshots sit in docs/ beside it, so its image links hold.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/earnmeter)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION share/doc/earnmeter/docs FILES_MATCHING PATTERN *.png)
# Examples to copy, not to run in place: none is executable in share/doc.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/panels DESTINATION share/doc/earnmeter/docs
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/data/dbus/org.example.earnmeter.Meter.xml DESTINATION share/dbus-1/interfaces)

# Debian wants the manual page and the changelog compressed at the highest level
# and without a time stamp, so the same sources give the same package.
function(earnmeter_gzip source target)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND gzip -9 -n -c INPUT_FILE ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set(earnmeter_gzip_dir ${CMAKE_BINARY_DIR}/install-gzip)
file(MAKE_DIRECTORY ${earnmeter_gzip_dir})
earnmeter_gzip(${PROJECT_SOURCE_DIR}/data/earnmeter.1 ${earnmeter_gzip_dir}/earnmeter.1.gz)
earnmeter_gzip(${PROJECT_SOURCE_DIR}/data/debian/changelog ${earnmeter_gzip_dir}/changelog.gz)
install(FILES ${earnmeter_gzip_dir}/earnmeter.1.gz DESTINATION share/man/man1)
install(FILES ${earnmeter_gzip_dir}/changelog.gz ${PROJECT_SOURCE_DIR}/data/debian/copyright
    DESTINATION share/doc/earnmeter)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides DESTINATION share/lintian/overrides
    RENAME earnmeter)

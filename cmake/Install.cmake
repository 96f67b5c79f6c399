# Where `cmake --install` and the .deb put the program:
#   lib/earnmeter/earnmeter        the executable, with Readme.html beside it for Help > Readme
#   bin/earnmeter                  a relative symbolic link to it
#   share/applications/, share/icons/hicolor/, share/metainfo/   the desktop integration
#   share/doc/earnmeter/           the README and its screenshots
# The program lives in its own folder rather than bin/ because it opens the readme
# beside its executable; installed under /usr or /opt it keeps each user's files in
# the per-user data folder instead of beside itself.
if(NOT TARGET earnmeter)
    return()
endif()

set(EARNMETER_PROGRAM_DIR lib/earnmeter)

install(TARGETS earnmeter RUNTIME DESTINATION ${EARNMETER_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/Readme.html DESTINATION ${EARNMETER_PROGRAM_DIR})

# Relative, so the link holds under any prefix, DESTDIR or package root.
set(earnmeter_link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${earnmeter_link_dir})
file(CREATE_LINK ../${EARNMETER_PROGRAM_DIR}/earnmeter ${earnmeter_link_dir}/earnmeter SYMBOLIC)
install(FILES ${earnmeter_link_dir}/earnmeter DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/data/earnmeter.desktop DESTINATION share/applications)
# AppStream names the installed file after the component id.
install(FILES ${PROJECT_SOURCE_DIR}/data/earnmeter.metainfo.xml DESTINATION share/metainfo
    RENAME org.example.earnmeter.metainfo.xml)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons
    FILES_MATCHING PATTERN earnmeter.png PATTERN earnmeter.svg)

# The README's screenshots sit in docs/ beside it, so its image links hold.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/earnmeter)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION share/doc/earnmeter/docs FILES_MATCHING PATTERN *.png)

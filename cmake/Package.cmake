# `cpack` in a build folder makes a Debian package of what Install.cmake installs,
# under /usr. Its Depends come from dpkg-shlibdeps (the Qt, C++ and C libraries
# the executable links, with the minimum versions they were built against) plus
# what no linker sees: the xcb platform plugin Qt loads at run time and the
# Liberation fonts that stand in for the program's MS Sans Serif and Courier New.
# It recommends xdg-utils: every link in the Help menu opens through xdg-open;
# qt6-wayland, so that a Wayland session runs it natively; and qt6-translations-l10n,
# whose translations give Qt's standard buttons and dialogs the user's language.
# scripts/package.sh builds with Debian's hardening flags.
if(NOT TARGET earnmeter)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME earnmeter)
set(CPACK_PACKAGE_VENDOR "Dorvan Quellis")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Earnmeter shows the money earned while you work: type your hourly wage, start\n"
    "the timer and watch the elapsed time and the total grow once a second in the\n"
    "window, its caption and the tray icon's tooltip. An advanced window converts\n"
    "weekly, monthly or annual pay into an hourly rate.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Earnmeter maintainers <maintainers@earnmeter.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://earnmeter.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, qt6-translations-l10n")

include(CPack)

# Installing on a workshop laptop: the programs in bin, a menu entry and its icon in share,
# and a Debian package (cpack -G DEB) that names the Qt run-time packages it needs.
include(GNUInstallDirs)

# The demo starts the simulators found beside the program. A partial build (SELVAR_POMIN)
# installs what it has.
foreach(program selvar selvar-cli selvar-sim elm327-sim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/pulpit/selvar.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/pulpit/selvar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvar)
set(CPACK_PACKAGE_VENDOR "SELVAR")
set(CPACK_PACKAGE_CONTACT "SELVAR workshop software <service@selvar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Workshop configuration and diagnostic tool for the SELVAR gas-injection controller")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6widgets6 (>= 6.2), libqt6serialport6 (>= 6.2), qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_PACKAGE_FILE_NAME "selvar_${PROJECT_VERSION}_amd64")
include(CPack)

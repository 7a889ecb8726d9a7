# Installing Velmora like any desktop application: the two programs in bin/
# (their install rules sit beside the targets in src/app), the launcher entry,
# the icon and the AppStream description in the standard share/ places, and a
# Debian package of the same by CPack:
#     cmake --install build --prefix ~/.local
#     cpack --config build/CPackConfig.cmake -G DEB -B build/package
include(GNUInstallDirs)

set(VELMORA_APP_ID app.velmora.Velmora)
set(velmora_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${velmora_packaging_dir}/${VELMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${velmora_packaging_dir}/${VELMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${velmora_packaging_dir}/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The launcher entry and the description pass the desktop's own checks.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME Packaging.DesktopEntryIsValid
             COMMAND ${DESKTOP_FILE_VALIDATE} ${velmora_packaging_dir}/${VELMORA_APP_ID}.desktop)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME Packaging.MetainfoIsValid
             COMMAND ${APPSTREAMCLI} validate --no-net
                     ${velmora_packaging_dir}/${VELMORA_APP_ID}.metainfo.xml)
endif()

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <hello@velmora.app>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://velmora.app)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Toolkit for the referee of a science-fiction role-playing campaign")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries and the rest found from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Installs the two programs in the usual Linux layout and packs them as a Debian package:
#   bin/vistarel, bin/vistarel-cli
#   share/vistarel/css/*.css, share/vistarel/help.rtf  (the programs look in ../share/vistarel/)
#   share/applications/, share/metainfo/, share/icons/hicolor/, share/man/man1/
if(VISTAREL_CORE_ONLY)
    return()
endif()

include(GNUInstallDirs)
set(app_id cz.vistarel.Vistarel)
set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS vistarel vistarel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/css/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vistarel/css FILES_MATCHING PATTERN "*.css")
install(FILES ${CMAKE_BINARY_DIR}/help.rtf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vistarel)

install(FILES ${desktop_dir}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/desktop/vistarel-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vistarel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vistarel.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/src/vistarel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# cpack in build/ (scripts/package.sh) writes vistarel_<version>_<arch>.deb. Its Depends
# are computed from the binaries by dpkg-shlibdeps, plus Qt's own Czech texts, which the
# window loads at run time instead of linking.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vistarel)
set(CPACK_PACKAGE_VENDOR "Vistarel")
set(CPACK_PACKAGE_CONTACT
    "Vistarel maintainers <maintainers@users.noreply.c-seed-c50d9f8b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "web photo album maker for JPEG photos")
set(CPACK_PACKAGE_DESCRIPTION
    "Vistarel turns a folder of JPEG photos into a self-contained web photo album:
scaled photos dated from their EXIF time, thumbnails, and one index.html page with
a thumbnail grid and a large-photo viewer with captions. The window (in Czech)
edits captions and styles; vistarel-cli builds albums from a terminal.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
include(CPack)

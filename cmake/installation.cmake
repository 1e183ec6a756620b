# What ships with the programs, staged in the build tree and installed beside them: the
# official municipality list and the manual under share/obrazac (both programs look there,
# data/program_files.h), the desktop entry and the icon; and the Debian package of it all.
include(GNUInstallDirs)

set(OBRAZAC_STAGE ${CMAKE_BINARY_DIR}/share/obrazac)
configure_file(data/opcine.csv ${OBRAZAC_STAGE}/data/opcine.csv COPYONLY)
file(GLOB OBRAZAC_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/*.html)
foreach(page ${OBRAZAC_HELP_PAGES})
  get_filename_component(name ${page} NAME)
  configure_file(${page} ${OBRAZAC_STAGE}/help/${name} COPYONLY)
endforeach()

install(TARGETS obrazac obrazac-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/opcine.csv data/opcine.SOURCE.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/obrazac/data)
install(FILES ${OBRAZAC_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/obrazac/help)
install(FILES data/desktop/obrazac.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/obrazac.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# An installed copy works on its own: installed into a folder of its own, away from the source
# and build trees, it loads the municipality list and finds the manual.
add_test(NAME installation
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-installation.sh
                 ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
set_tests_properties(installation PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# make package: a Debian package (cpack -G DEB) with its dependencies declared.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME obrazac)
set(CPACK_PACKAGE_VENDOR obrazac)
set(CPACK_PACKAGE_CONTACT "obrazac <obrazac@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Obrazac R-S and the submission file for the VELOR register")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the programs link (found by dpkg-shlibdeps) and what they use at run time
# without linking it: the offscreen and desktop platform plugins, the fonts of the forms and
# Qt's Croatian translation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6printsupport6, libsqlite3-0, libssl3, qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)

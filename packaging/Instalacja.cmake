# Install rules, the Debian package and the checks of what they carry.
#
# The program goes to bin/, its default word lists and the operator's guide to
# share/wirdolan/ (the program finds them there from its own folder), the desktop entry,
# the AppStream metainfo and the icon to the freedesktop places.
include(GNUInstallDirs)

set(WIRDOLAN_ID pl.wirdolan.Wirdolan)
set(WIRDOLAN_PRZEWODNIK ${CMAKE_CURRENT_SOURCE_DIR}/docs/przewodnik)
set(WIRDOLAN_IKONA ${CMAKE_CURRENT_SOURCE_DIR}/packaging/wirdolan.svg)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/${WIRDOLAN_ID}.metainfo.xml
               ${CMAKE_CURRENT_BINARY_DIR}/${WIRDOLAN_ID}.metainfo.xml @ONLY)

install(TARGETS wirdolan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${WIRDOLAN_WORDLISTS} DESTINATION ${CMAKE_INSTALL_DATADIR}/wirdolan/Config)
if(EXISTS ${WIRDOLAN_PRZEWODNIK})
    install(DIRECTORY ${WIRDOLAN_PRZEWODNIK}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/wirdolan/pomoc)
    # The portable build folder carries the guide beside the program too, brought up to
    # date at every build (a changed text or picture relinks nothing).
    add_custom_target(wirdolan_przewodnik ALL
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${WIRDOLAN_PRZEWODNIK}
                $<TARGET_FILE_DIR:wirdolan>/pomoc
        VERBATIM)
endif()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${WIRDOLAN_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${WIRDOLAN_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(EXISTS ${WIRDOLAN_IKONA})
    install(FILES ${WIRDOLAN_IKONA} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The manual page, the copyright file and the package's changelog, compressed as Debian
# wants them (gzip -9n: no name, no time, the same bytes at every build).
function(wirdolan_gzip zrodlo cel)
    configure_file(${zrodlo} ${CMAKE_CURRENT_BINARY_DIR}/pakiet/${cel} @ONLY)
    execute_process(COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/pakiet/${cel}
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
wirdolan_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/wirdolan.1 wirdolan.1)
# A native package (its version has no Debian revision) names it changelog.gz.
wirdolan_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pakiet/wirdolan.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/pakiet/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wirdolan)

# cmake --build build --target package: build/wirdolan_<version>_<arch>.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wirdolan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Wirdolan <wirdolan@wirdolan.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Obsługa lady wypożyczalni filmów")
# Lines of the long description: at most 80 characters each.
set(CPACK_PACKAGE_DESCRIPTION
    "Rejestr klientów i filmów, wypożyczenia, zwroty, przedłużenia, wpłaty,\n"
    "zaległości, abonamenty i raporty wypożyczalni kaset i płyt.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library link names them: the windowing plugins, the SVG
# plugin that draws the program's icon, and the fonts the windows' fonts are mapped to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
include(CPack)

if(WIRDOLAN_TESTS)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME Pakiet.WpisPulpitu
             COMMAND ${DESKTOP_FILE_VALIDATE}
                     ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${WIRDOLAN_ID}.desktop)
    add_test(NAME Pakiet.Metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net
                     ${CMAKE_CURRENT_BINARY_DIR}/${WIRDOLAN_ID}.metainfo.xml)
    add_test(NAME Pakiet.InstalacjaWKatalogUzytkownika
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging/test_pakietu.sh
                     ${CMAKE_CURRENT_BINARY_DIR} ${PROJECT_VERSION})
    # Makes its own package from the build; the other tests may run beside it.
    set_tests_properties(Pakiet.InstalacjaWKatalogUzytkownika PROPERTIES TIMEOUT 300)
endif()

# The program and what an installed copy brings along: desktop menu entry,
# icons, AppStream metadata, manual pages, the operator's guide, copyright
# and changelog; and the Debian package made of them (scripts/package.sh).
include(GNUInstallDirs)

set(KMB_PACKAGE_NAME orx-kmb)
set(KMB_PACKAGE_MAINTAINER "Les développeurs d'ORX_KMB <orx-kmb@example.org>"
    CACHE STRING "Maintainer named by the Debian package")
set(KMB_APP_ID org.example.orx_kmb CACHE STRING "AppStream component id, reverse DNS")
set(KMB_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${KMB_PACKAGE_NAME})
set(KMB_PACKAGE_SOURCES ${PROJECT_SOURCE_DIR}/resources/package)
set(KMB_GENERATED ${CMAKE_CURRENT_BINARY_DIR}/package)

install(TARGETS orx_kmb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The installed program finds this marker beside it and keeps the operator's
# files in the per-user data folder; a bare copy of the executable has none.
set(KMB_MARKER_DIR ${CMAKE_INSTALL_DATADIR}/${KMB_PACKAGE_NAME})
file(RELATIVE_PATH KMB_MARKER_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${KMB_MARKER_DIR}/installed)
target_compile_definitions(orx_kmb PRIVATE KMB_INSTALL_MARKER="${KMB_MARKER_FROM_BIN}")
install(FILES ${KMB_PACKAGE_SOURCES}/installed DESTINATION ${KMB_MARKER_DIR})

# The menu entry names the executable by its full path, known only once the
# prefix is (cmake --install --prefix can change it).
set(KMB_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/orx_kmb.desktop)
install(CODE "
  set(KMB_EXECUTABLE \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orx_kmb\")
  configure_file(\"${PROJECT_SOURCE_DIR}/resources/orx_kmb.desktop.in\" \"${KMB_DESKTOP_FILE}\" @ONLY)
")
install(FILES ${KMB_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Icons: the drawing itself, and the bitmap sizes menus and panels ask for.
set(KMB_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KMB_ICON_DIR ${KMB_GENERATED}/icons)
set(KMB_ICON_PNGS)
foreach(size IN LISTS KMB_ICON_SIZES)
  list(APPEND KMB_ICON_PNGS ${KMB_ICON_DIR}/${size}x${size}/apps/orx_kmb.png)
endforeach()
add_custom_command(OUTPUT ${KMB_ICON_PNGS}
  COMMAND kmb_render_icon ${PROJECT_SOURCE_DIR}/resources/orx_kmb.svg ${KMB_ICON_DIR} ${KMB_ICON_SIZES}
  DEPENDS kmb_render_icon ${PROJECT_SOURCE_DIR}/resources/orx_kmb.svg
  COMMENT "Icônes PNG")
install(FILES ${PROJECT_SOURCE_DIR}/resources/orx_kmb.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${KMB_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# A new version needs its changelog entry first.
file(STRINGS ${KMB_PACKAGE_SOURCES}/changelog.in KMB_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT KMB_CHANGELOG_TOP MATCHES "^${KMB_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "resources/package/changelog.in must start with the entry of version ${PROJECT_VERSION}")
endif()
configure_file(${KMB_PACKAGE_SOURCES}/changelog.in ${KMB_GENERATED}/changelog @ONLY)

# The map's licence, as the copyright file's stand-alone licence text.
file(READ ${PROJECT_SOURCE_DIR}/resources/map/LICENSE.md KMB_MAP_LICENCE_TEXT)
string(STRIP "${KMB_MAP_LICENCE_TEXT}" KMB_MAP_LICENCE_TEXT)
# Twice: of two blank lines in a row, one pass only reaches the first.
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" KMB_MAP_LICENCE_TEXT "${KMB_MAP_LICENCE_TEXT}")
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" KMB_MAP_LICENCE_TEXT "${KMB_MAP_LICENCE_TEXT}")
string(REPLACE "\n" "\n " KMB_MAP_LICENCE_TEXT " ${KMB_MAP_LICENCE_TEXT}")
configure_file(${KMB_PACKAGE_SOURCES}/copyright.in ${KMB_GENERATED}/copyright @ONLY)

configure_file(${KMB_PACKAGE_SOURCES}/orx_kmb.metainfo.xml.in ${KMB_GENERATED}/${KMB_APP_ID}.metainfo.xml @ONLY)
configure_file(${KMB_PACKAGE_SOURCES}/orx_kmb.1 ${KMB_GENERATED}/man/orx_kmb.1 @ONLY)
configure_file(${KMB_PACKAGE_SOURCES}/orx_kmb.fr.1 ${KMB_GENERATED}/man/fr/orx_kmb.1 @ONLY)

# Manual pages and changelog compressed as Debian wants them: gzip -9, no
# name or time stamp inside.
set(KMB_GZIPPED)
foreach(file man/orx_kmb.1 man/fr/orx_kmb.1 changelog)
  add_custom_command(OUTPUT ${KMB_GENERATED}/${file}.gz
    COMMAND gzip -9nkf ${KMB_GENERATED}/${file}
    DEPENDS ${KMB_GENERATED}/${file})
  list(APPEND KMB_GZIPPED ${KMB_GENERATED}/${file}.gz)
endforeach()
add_custom_target(kmb_install_files ALL DEPENDS ${KMB_ICON_PNGS} ${KMB_GZIPPED})

install(FILES ${KMB_GENERATED}/${KMB_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KMB_GENERATED}/man/orx_kmb.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KMB_GENERATED}/man/fr/orx_kmb.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${KMB_GENERATED}/copyright DESTINATION ${KMB_DOC_DIR})
# A package without an upstream of its own keeps its changelog under this name.
install(FILES ${KMB_GENERATED}/changelog.gz DESTINATION ${KMB_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md DESTINATION ${KMB_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${KMB_DOC_DIR} FILES_MATCHING PATTERN "*.png")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KMB_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KMB_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for radio amateurs chasing the KMB wash-house award")
# Lines kept under 80 columns, as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "ORX_KMB is the logbook of French radio amateurs who chase the KMB award"
  "(Diplome Kembaro): contacts with stations that transmit from French"
  "wash-houses (lavoirs), each known by a reference such as 89001."
  ""
  "QSOs are typed on the keyboard, field after field with the Enter key,"
  "into a plain text log kept per station call sign. The program computes"
  "the scores, the HF and VHF diplomas, a map of the departments and the"
  "list of the wash-houses contacted, exports the log in ADIF, imports the"
  "QSOs of other loggers' ADIF files, prints QSL card backs and shows the"
  "award's rules and a DX cluster in web views."
  ""
  "The program and its guide speak French.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads by name at run time, unseen by dpkg-shlibdeps: the
# SVG icon engine, and the French texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

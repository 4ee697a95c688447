# The program, its desktop menu entry and its icon.
include(GNUInstallDirs)

install(TARGETS orx_kmb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry names the executable by its full path, known only once the
# prefix is (cmake --install --prefix can change it).
set(KMB_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/orx_kmb.desktop)
install(CODE "
  set(KMB_EXECUTABLE \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orx_kmb\")
  configure_file(\"${PROJECT_SOURCE_DIR}/resources/orx_kmb.desktop.in\" \"${KMB_DESKTOP_FILE}\" @ONLY)
")
install(FILES ${KMB_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orx_kmb.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

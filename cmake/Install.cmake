include(GNUInstallDirs)
install(TARGETS vexmora pngtool chart-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET maker-site)
  install(TARGETS maker-site RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# <prefix>/etc/xdg is where the app looks after $XDG_CONFIG_DIRS: <program folder>/../etc/xdg.
install(FILES ${VEXMORA_STORE_FILE} DESTINATION etc/xdg/Orvanti)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vexmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vexmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

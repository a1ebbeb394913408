include(GNUInstallDirs)
install(TARGETS vexmora pngtool chart-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS nettool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET maker-site)
  install(TARGETS maker-site RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# Commands that arrive with later work join the installation, and so the package, as soon
# as their targets exist.
foreach(command nettool skintool)
  if(TARGET ${command})
    install(TARGETS ${command} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# The store goes to /etc/xdg for an installation under /usr (the package), as GNUInstallDirs
# puts /usr's configuration in /etc; under any other prefix to <prefix>/etc/xdg, where the
# app looks after $XDG_CONFIG_DIRS: <program folder>/../etc/xdg. The choice is made when
# installing, because the package is installed under /usr whatever the build's prefix is.
install(CODE "set(vexmora_store_file \"${VEXMORA_STORE_FILE}\")")
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(vexmora_store_dir /etc/xdg/Orvanti)
  else()
    set(vexmora_store_dir "${CMAKE_INSTALL_PREFIX}/etc/xdg/Orvanti")
  endif()
  file(INSTALL "${vexmora_store_file}" DESTINATION "${vexmora_store_dir}")
]])
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vexmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vexmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
include(${CMAKE_CURRENT_LIST_DIR}/PackageFiles.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

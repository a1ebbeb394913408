# What a desktop and a Debian system expect beside the programs: man pages, the icon in the
# hicolor sizes, AppStream metainfo, the stand-ins as systemd user units, and the package's
# copyright and changelog. Included from Install.cmake, after every program's target exists.

# The release date goes with the version number in the metainfo and the changelog.
set(VEXMORA_RELEASE_DATE "2026-12-10")
set(VEXMORA_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 12:00:00 +0000")
set(VEXMORA_PACKAGE_CONTACT "Orvanti <vexmora@orvanti.example>" CACHE STRING
  "maintainer of the Debian package, as name <address>")

# Every command the project may install; each gets its man page once its target exists.
set(VEXMORA_COMMANDS vexmora pngtool chart-service maker-site nettool skintool)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(generated_dir ${CMAKE_BINARY_DIR}/packaging)

# Man pages, compressed without a time stamp as Debian policy asks.
set(man_pages)
foreach(command ${VEXMORA_COMMANDS})
  if(TARGET ${command} AND EXISTS ${packaging_dir}/man/${command}.1)
    set(page ${generated_dir}/man/${command}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${packaging_dir}/man/${command}.1 ${page}
      COMMAND gzip -9nf ${page}
      DEPENDS ${packaging_dir}/man/${command}.1
      VERBATIM)
    list(APPEND man_pages ${page}.gz)
  endif()
endforeach()
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon at the sizes desktops ask for, drawn from the scalable one. rsvg-convert comes
# from Debian's librsvg2-bin.
find_program(VEXMORA_RSVG_CONVERT rsvg-convert REQUIRED)
set(icons)
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${generated_dir}/icons/${size}x${size}/vexmora.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated_dir}/icons/${size}x${size}
    COMMAND ${VEXMORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${packaging_dir}/vexmora.svg
    DEPENDS ${packaging_dir}/vexmora.svg
    VERBATIM)
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Package documents; the changelog is that of a native package, named changelog.gz.
configure_file(${packaging_dir}/debian/copyright.in ${generated_dir}/doc/copyright @ONLY)
configure_file(${packaging_dir}/debian/changelog.in ${generated_dir}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${generated_dir}/doc/changelog.gz
  COMMAND gzip -9nkf ${generated_dir}/doc/changelog
  DEPENDS ${generated_dir}/doc/changelog
  VERBATIM)
install(FILES ${generated_dir}/doc/copyright ${generated_dir}/doc/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexmora)

add_custom_target(vexmora_package_files ALL
  DEPENDS ${man_pages} ${icons} ${generated_dir}/doc/changelog.gz)

configure_file(${packaging_dir}/io.github.orvanti.Vexmora.metainfo.xml
  ${generated_dir}/io.github.orvanti.Vexmora.metainfo.xml @ONLY)
install(FILES ${generated_dir}/io.github.orvanti.Vexmora.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The stand-ins as systemd user units, wanted by every user's session (default.target)
# through a link shipped beside them, so they run without any step after installing. A
# stand-in gets a unit only while the program is built to talk to it on this machine.
function(vexmora_stand_in_unit command host_variable role)
  if(NOT TARGET ${command})
    return()
  endif()
  if(NOT ${host_variable} MATCHES "^(localhost|127\\.0\\.0\\.1):([0-9]+)$")
    return()
  endif()
  set(VEXMORA_UNIT_COMMAND ${command})
  set(VEXMORA_UNIT_PORT ${CMAKE_MATCH_2})
  set(VEXMORA_UNIT_ROLE ${role})
  set(unit vexmora-${command}.service)
  configure_file(${packaging_dir}/systemd/stand-in.service.in ${generated_dir}/systemd/${unit} @ONLY)
  install(FILES ${generated_dir}/systemd/${unit} DESTINATION lib/systemd/user)
  install(CODE "
    set(wants \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/systemd/user/default.target.wants\")
    file(MAKE_DIRECTORY \"\${wants}\")
    file(CREATE_LINK ../${unit} \"\${wants}/${unit}\" SYMBOLIC)")
endfunction()
vexmora_stand_in_unit(chart-service VEXMORA_CHART_HOST "chart service")
vexmora_stand_in_unit(maker-site VEXMORA_WEB_HOST "maker's web host")

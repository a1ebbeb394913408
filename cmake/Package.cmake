# `make package`: the Debian package, built by CPack from the install rules, so every
# program, page and file that is installed is packaged as well.
if(DEFINED PROJECT_VERSION_PATCH AND NOT PROJECT_VERSION_PATCH STREQUAL "")
  # The store's Version is compared as a decimal number by the update check.
  message(FATAL_ERROR "Vexmora's version is MAJOR.MINOR, a decimal number; got ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexmora)
set(CPACK_PACKAGE_VERSION ${VEXMORA_STORE_VERSION})
set(CPACK_PACKAGE_CONTACT ${VEXMORA_PACKAGE_CONTACT})
set(CPACK_PACKAGE_VENDOR Orvanti)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop QR-code maker")
# Debian wants the extended description's lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Vexmora turns a piece of text into a QR-code picture: type the text,
pick the picture's size and an error-correction level, and save the picture
as a PNG file or copy it to the clipboard. The package brings pngtool and
stand-ins for the chart service and the maker's web host, which run as
systemd user services on loopback, so Vexmora works offline.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VEXMORA_WEBSITE})
# Library dependencies come from dpkg-shlibdeps over the packaged programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The store is a configuration file: an upgrade keeps a changed one, and only purging
# removes it.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

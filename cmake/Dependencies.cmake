# Debian 12 packages only; scripts/bootstrap installs them.
find_package(Threads REQUIRED)
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(PkgConfig REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET libcurl)
pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET libqrencode)
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
# Debian ships cpp-httplib compiled, with feature flags that change its class layouts:
# take compile flags and library from its pkg-config file.
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
if(VEXMORA_BUILD_TESTS OR VEXMORA_BUILD_BENCH)
  find_package(GTest REQUIRED)
endif()
if(VEXMORA_BUILD_BENCH)
  find_package(benchmark REQUIRED)
  pkg_check_modules(SPNG REQUIRED IMPORTED_TARGET spng)
endif()

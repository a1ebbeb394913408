# The installer's read-only store of installation values. The build tree gets the same
# file beside build/bin (as <program folder>/../etc/xdg), so the app started from the
# build tree finds it.
set(VEXMORA_STORE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(VEXMORA_STORE_FILE "${CMAKE_BINARY_DIR}/etc/xdg/Orvanti/Vexmora.reg")
configure_file(${CMAKE_SOURCE_DIR}/packaging/Vexmora.reg.in ${VEXMORA_STORE_FILE} @ONLY NEWLINE_STYLE CRLF)

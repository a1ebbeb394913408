# Every target of ours gets the same warning set; CI turns them into errors.
add_library(vexmora_warnings INTERFACE)
target_compile_options(vexmora_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VEXMORA_WERROR)
  target_compile_options(vexmora_warnings INTERFACE -Werror)
endif()

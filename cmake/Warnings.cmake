# Every target of ours gets the same warning set; CI turns them into errors.
add_library(vexmora_warnings INTERFACE)
target_compile_options(vexmora_warnings INTERFACE -Wall -Wextra -Wpedantic)
# An override without the word silently stops overriding when the base changes.
target_compile_options(vexmora_warnings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wsuggest-override>)
if(VEXMORA_WERROR)
  target_compile_options(vexmora_warnings INTERFACE -Werror)
endif()

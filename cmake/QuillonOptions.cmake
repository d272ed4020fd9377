# One place for the compile options every target of ours uses.
add_library(quillon_options INTERFACE)
target_compile_options(quillon_options INTERFACE -Wall -Wextra)
target_compile_definitions(quillon_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER)
if(QUILLON_WERROR)
  target_compile_options(quillon_options INTERFACE -Werror)
endif()
if(QUILLON_SANITIZE)
  target_compile_options(quillon_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quillon_options INTERFACE -fsanitize=address,undefined)
endif()

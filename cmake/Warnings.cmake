# Every target of ours links this, so warnings and sanitizers apply evenly.
add_library(tombolix_warnings INTERFACE)
target_compile_features(tombolix_warnings INTERFACE cxx_std_20)
target_compile_options(tombolix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
# Nothing that Qt had deprecated by 6.4, the oldest Qt we build against, may be used at all; what
# later Qt deprecates still warns, and fails the -Werror build.
target_compile_definitions(tombolix_warnings INTERFACE QT_DISABLE_DEPRECATED_BEFORE=0x060400
                                                       QT_DISABLE_DEPRECATED_UP_TO=0x060400)
if(TOMBOLIX_WERROR)
  target_compile_options(tombolix_warnings INTERFACE -Werror)
endif()
if(TOMBOLIX_SANITIZE)
  target_compile_options(tombolix_warnings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tombolix_warnings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Compiler settings shared by every target of the project.

# RK_PLATFORM_SUFFIX names the implementation file of a platform seam:
# Foo${RK_PLATFORM_SUFFIX}.cpp is FooWin32.cpp or FooPosix.cpp.
if(WIN32)
  set(RK_WINDOWS TRUE)
  set(RK_PLATFORM_SUFFIX Win32)
else()
  set(RK_WINDOWS FALSE)
  set(RK_PLATFORM_SUFFIX Posix)
endif()

add_library(rk_options INTERFACE)
target_compile_options(rk_options INTERFACE
  -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion -Wcast-function-type)
if(RK_WERROR)
  target_compile_options(rk_options INTERFACE -Werror)
endif()
if(NOT RK_WINDOWS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # gcc's unique symbols keep a shared object from ever being unloaded;
  # unload order and release are part of what the tests check.
  target_compile_options(rk_options INTERFACE -fno-gnu-unique)
endif()

# Reproducible binaries: no link time in the PE headers, and no build
# machine's paths in what the compiler writes (debug information, __FILE__).
if(RK_WINDOWS)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
# A release (scripts/release) carries no symbols either.
if(RK_RELEASE)
  add_link_options(-s)
endif()

if(RK_SANITIZE)
  set(RK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${RK_SANITIZER_FLAGS})
  add_link_options(${RK_SANITIZER_FLAGS})
endif()
if(RK_SANITIZE_THREAD)
  set(RK_TSAN_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
  add_compile_options(${RK_TSAN_FLAGS})
  add_link_options(${RK_TSAN_FLAGS})
endif()

# Names a shared library exactly `name.dll` on both flavours: the stand-in
# DB2 client keeps DB2's file names on Linux too, where dlopen finds them
# through LD_LIBRARY_PATH.
function(rk_name_as_dll target name)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${name} SUFFIX ".dll")
endfunction()

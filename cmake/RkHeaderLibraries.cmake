# The header-only libraries of the tools (CLI11, nlohmann-json), from the
# build machine's packages. Each is copied into an include directory of the
# build's own, so that a cross-compiler gets just these headers and never the
# build machine's other headers.
set(RK_HEADER_LIBRARY_DIR ${CMAKE_BINARY_DIR}/header-libraries)

function(rk_header_library target header)
  find_path(${target}_ROOT ${header} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ${target}_ROOT)
    message(FATAL_ERROR "${header} not found: install the package that provides it (scripts/packages.txt)")
  endif()
  cmake_path(GET header PARENT_PATH directory)
  file(COPY ${${target}_ROOT}/${directory} DESTINATION ${RK_HEADER_LIBRARY_DIR})
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${RK_HEADER_LIBRARY_DIR})
endfunction()

rk_header_library(rk_cli11 CLI/CLI.hpp)
rk_header_library(rk_nlohmann_json nlohmann/json.hpp)

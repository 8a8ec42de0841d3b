# What a host developer takes (Windows flavours): the DLL with its
# module-definition file and both import libraries, rkdb2.exe, the header,
# the .NET binding and a CMake package, installed as the component
# "package" (scripts/release lays it out per bitness and zips it).
#
# Import libraries come from the export list's .def file, by llvm-dlltool
# for MSVC (COFF short imports, the format link.exe and lld-link read) and
# by the cross toolchain's own dlltool for mingw. On 32-bit x86 both are
# made with --kill-at: a caller compiled against the header refers to the
# __stdcall names _Name@N, which bind to the undecorated exports.
if(NOT RK_WINDOWS)
  return()
endif()

find_program(RK_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
set(RK_IMPORT_LIBRARY_DIR ${CMAKE_BINARY_DIR}/import-libraries)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(def ${RK_EXPORT_FILES_DIR}/RkDb2Rova.def)
  set(machine i386)
  set(kill_at -k)
else()
  set(def ${RK_EXPORT_FILES_DIR}/RkDb2Rova64.def)
  set(machine i386:x86-64)
  set(kill_at "")
endif()
set(msvc_lib ${RK_IMPORT_LIBRARY_DIR}/RkDb2Rova.lib)
set(mingw_lib ${RK_IMPORT_LIBRARY_DIR}/libRkDb2Rova.dll.a)
set(shipped_def ${RK_IMPORT_LIBRARY_DIR}/RkDb2Rova.def)
add_custom_command(OUTPUT ${msvc_lib} ${mingw_lib} ${shipped_def}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${RK_IMPORT_LIBRARY_DIR}
  COMMAND ${RK_LLVM_DLLTOOL} -m ${machine} ${kill_at} -d ${def} -l ${msvc_lib}
  # dlltool names its temporary objects after the output's stem: run it in
  # the output's directory so that no build path reaches the archive.
  COMMAND ${CMAKE_DLLTOOL} -m ${machine} ${kill_at} -d ${def} -D RkDb2Rova.dll -l libRkDb2Rova.dll.a
  COMMAND ${CMAKE_COMMAND} -E copy ${def} ${shipped_def}
  WORKING_DIRECTORY ${RK_IMPORT_LIBRARY_DIR}
  DEPENDS ${def}
  COMMENT "Import libraries of RkDb2Rova.dll"
  VERBATIM)
add_custom_target(rk_import_libraries ALL DEPENDS ${msvc_lib} ${mingw_lib} ${shipped_def})

set(package_dir ${CMAKE_BINARY_DIR}/cmake-package)
math(EXPR RK_PACKAGE_POINTER_SIZE "${CMAKE_SIZEOF_VOID_P}")
math(EXPR RK_PACKAGE_BITS "${CMAKE_SIZEOF_VOID_P} * 8")
configure_file(${PROJECT_SOURCE_DIR}/cmake/RkDb2RovaConfig.cmake.in ${package_dir}/RkDb2RovaConfig.cmake @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/RkDb2RovaConfigVersion.cmake.in
  ${package_dir}/RkDb2RovaConfigVersion.cmake @ONLY)

install(TARGETS RkDb2Rova RUNTIME DESTINATION bin COMPONENT package)
install(TARGETS rkdb2 RUNTIME DESTINATION bin COMPONENT package)
install(FILES ${shipped_def} DESTINATION bin COMPONENT package)
install(FILES ${msvc_lib} ${mingw_lib} DESTINATION lib COMPONENT package)
install(FILES ${package_dir}/RkDb2RovaConfig.cmake ${package_dir}/RkDb2RovaConfigVersion.cmake
  DESTINATION lib/cmake/RkDb2Rova COMPONENT package)
install(FILES include/rkdb2rova.h include/RkDb2Rova.cs DESTINATION include COMPONENT package)

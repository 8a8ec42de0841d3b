# The .NET binding (include/RkDb2Rova.cs) under Mono, against rkdb2: the
# listing, a catalog and an uncatalog, the catalogue records of version 0.2,
# and the failures a host meets. Native
# flavour only: Mono loads RkDb2Rova.so; a sanitizer's runtime would have to
# come before Mono's, and the flavours with a program list run none of these.
find_program(RK_MCS mcs)
find_program(RK_MONO mono)
find_package(Python3 COMPONENTS Interpreter)
if(RK_WINDOWS OR RK_SANITIZE OR RK_SANITIZE_THREAD OR RK_TEST_PROGRAMS
   OR NOT RK_MCS OR NOT RK_MONO OR NOT Python3_Interpreter_FOUND)
  return()
endif()

set(dotnet_probe ${CMAKE_CURRENT_BINARY_DIR}/dotnet/BindingProbe.exe)
set(dotnet_sources ${PROJECT_SOURCE_DIR}/include/RkDb2Rova.cs ${CMAKE_CURRENT_LIST_DIR}/BindingProbe.cs)
add_custom_command(OUTPUT ${dotnet_probe}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/dotnet
  COMMAND ${RK_MCS} -langversion:7 -warnaserror+ -nologo -out:${dotnet_probe} ${dotnet_sources}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/BindingProbe.exe.config ${dotnet_probe}.config
  DEPENDS ${dotnet_sources} ${CMAKE_CURRENT_LIST_DIR}/BindingProbe.exe.config
  COMMENT "Compiling the .NET binding's probe with mcs")
add_custom_target(dotnet_binding_probe ALL DEPENDS ${dotnet_probe})

# Mono finds RkDb2Rova.so (through the probe's dllmap), and the library the
# stand-in, on LD_LIBRARY_PATH, which the check sets for each process.
foreach(check IN ITEMS listing catalog failures catalogue sources)
  add_test(NAME dotnet/${check}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_binding.py ${check} ${RK_MONO} ${dotnet_probe}
      $<TARGET_FILE:rkdb2> ${PROJECT_SOURCE_DIR}/tests/directory/rkdb2-store
      ${PROJECT_SOURCE_DIR}/tests/catalog/damaged-store $<TARGET_FILE_DIR:RkDb2Rova> ${RK_SIM_DIR})
  set_tests_properties(dotnet/${check} PROPERTIES LABELS dotnet)
endforeach()

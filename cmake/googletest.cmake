# GoogleTest from Debian's googletest source package, built with this project's compiler
# (so the same sources serve the native and the mingw build).
set(K8_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${K8_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Registers a test executable as one ctest test. Natively ctest runs it directly; in the
# Windows build CMAKE_CROSSCOMPILING_EMULATOR (wine) runs it, one Wine start per executable.
function(k8_add_test target)
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
  if(WIN32)
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
  endif()
endfunction()

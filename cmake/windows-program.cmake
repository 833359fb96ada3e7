# The Windows program (real and simulated HID backend), k8sim, the release folder and the
# end-to-end tests under Wine.

enable_language(RC)
set(K8_RC_FILE ${CMAKE_SOURCE_DIR}/res/program.rc)
set(K8_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${K8_GENERATED}/version.h @ONLY)
set_source_files_properties(${K8_RC_FILE} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/program.ico;${CMAKE_SOURCE_DIR}/res/program.manifest;${CMAKE_SOURCE_DIR}/src/app/resource_ids.h;${K8_GENERATED}/version.h")

# src/app/*_win32.cpp is the shell shared by both programs; real/ and sim/ hold what differs.
file(GLOB K8_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*_win32.cpp)
file(GLOB K8_APP_REAL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/real/*_win32.cpp)
file(GLOB K8_APP_SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/sim/*_win32.cpp)

add_library(k8app STATIC ${K8_APP_SOURCES})
target_link_libraries(k8app PUBLIC k8win k8core)
target_compile_options(k8app PRIVATE ${K8_WARNINGS})

foreach(variant real sim)
  if(variant STREQUAL real)
    set(exe QTV-K8GamingMouse)
  else()
    set(exe QTV-K8GamingMouse-sim)
  endif()
  add_executable(${exe} WIN32 ${K8_RC_FILE})
  string(TOUPPER ${variant} upper)
  target_sources(${exe} PRIVATE ${K8_APP_${upper}_SOURCES})
  target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res
                                            ${K8_GENERATED})
  target_link_libraries(${exe} PRIVATE k8app k8win k8core)
  target_compile_options(${exe} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${K8_WARNINGS}>)
  # Sections aligned in the file as in memory: Wine then maps the image from the file instead of
  # copying it into private memory (about 1.5 MB less per process); Windows maps it either way.
  target_link_options(${exe} PRIVATE -municode -Wl,--file-alignment,4096)
endforeach()
# What users get carries no symbols.
target_link_options(QTV-K8GamingMouse PRIVATE -s)
target_link_options(k8ctl PRIVATE -s)

add_executable(k8sim ${CMAKE_SOURCE_DIR}/tools/k8sim/k8sim_win32.cpp)
target_link_libraries(k8sim PRIVATE k8core user32)
target_compile_options(k8sim PRIVATE ${K8_WARNINGS})

# k8tray: the e2e test's stand-in for a shell restart (not part of any program folder).
add_executable(k8tray ${CMAKE_SOURCE_DIR}/tests/e2e/k8tray_win32.cpp)
target_include_directories(k8tray PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(k8tray PRIVATE shell32 user32)
target_compile_options(k8tray PRIVATE ${K8_WARNINGS})

# k8pointer: the e2e test's view of the session's pointer settings, from another process.
add_executable(k8pointer ${CMAKE_SOURCE_DIR}/tests/e2e/k8pointer_win32.cpp)
target_link_libraries(k8pointer PRIVATE user32)
target_compile_options(k8pointer PRIVATE ${K8_WARNINGS})

# The release folder: what a user runs, with its data files beside it, and k8ctl for scripts.
set(K8_RELEASE ${CMAKE_BINARY_DIR}/release)
add_custom_target(release ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${K8_RELEASE}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QTV-K8GamingMouse>
          $<TARGET_FILE:k8ctl> ${K8_RELEASE}/
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DRELEASE=${K8_RELEASE}
          -DK8CTL=$<TARGET_FILE:k8ctl> -DWINE=${CMAKE_CROSSCOMPILING_EMULATOR}
          -P ${CMAKE_SOURCE_DIR}/cmake/make-release.cmake
  DEPENDS QTV-K8GamingMouse k8ctl
  VERBATIM)

# The simulated build runs from a folder of its own, laid out like the release folder.
set(K8_SIM_DIR ${CMAKE_BINARY_DIR}/sim)
add_custom_target(sim-folder ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${K8_SIM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QTV-K8GamingMouse-sim>
          $<TARGET_FILE:k8sim> ${K8_SIM_DIR}/
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DRELEASE=${K8_SIM_DIR}
          -DK8CTL=$<TARGET_FILE:k8ctl> -DWINE=${CMAKE_CROSSCOMPILING_EMULATOR}
          -P ${CMAKE_SOURCE_DIR}/cmake/make-release.cmake
  DEPENDS QTV-K8GamingMouse-sim k8sim k8ctl
  VERBATIM)

# End-to-end tests: the simulated build under Wine on a private Xvfb display.
add_test(NAME e2e_shell
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/shell_test.sh ${K8_SIM_DIR} ${CMAKE_BINARY_DIR}/e2e
          $<TARGET_FILE:k8tray>)
set_tests_properties(e2e_shell PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# The main window's drawing, hover and common buttons, in both skins.
add_test(NAME e2e_skin
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/skin_test.sh ${K8_SIM_DIR} ${CMAKE_BINARY_DIR}/e2e-skin
          $<TARGET_FILE:k8ctl>)
set_tests_properties(e2e_skin PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# The Basic page driven by clicks: what reaches config.bin, str.ini and the mouse.
add_test(NAME e2e_basic
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/basic_test.sh ${K8_SIM_DIR} ${CMAKE_BINARY_DIR}/e2e-basic
          $<TARGET_FILE:k8ctl>)
set_tests_properties(e2e_basic PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# The Advanced page: system pointer settings and the macro editor, in both skins.
add_test(NAME e2e_advanced
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/advanced_test.sh ${K8_SIM_DIR}
          ${CMAKE_BINARY_DIR}/e2e-advanced $<TARGET_FILE:k8ctl> $<TARGET_FILE:k8pointer>)
set_tests_properties(e2e_advanced PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# The sub-dialogs opened from the Basic page, their results in config.bin, the skins dialog.
add_test(NAME e2e_dialogs
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/dialogs_test.sh ${K8_SIM_DIR} ${CMAKE_BINARY_DIR}/e2e-dialogs)
set_tests_properties(e2e_dialogs PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

include(${CMAKE_SOURCE_DIR}/cmake/vmouse.cmake)

# Only libraries that Windows always maps from its own folder may be imported by a shipped program.
add_test(NAME static_imports
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/imports_test.sh ${CMAKE_OBJDUMP}
          $<TARGET_FILE:QTV-K8GamingMouse> $<TARGET_FILE:QTV-K8GamingMouse-sim> $<TARGET_FILE:k8ctl>)

# planted: a library that marks its loading, planted beside the programs under system names.
add_library(planted MODULE ${CMAKE_SOURCE_DIR}/tests/e2e/planted_dll_win32.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
# Nothing but kernel32: an import of the runtime would be resolved to the planted copy beside it.
target_link_options(planted PRIVATE -nostdlib -Wl,--entry,DllMain)
target_link_libraries(planted PRIVATE kernel32)
target_compile_options(planted PRIVATE ${K8_WARNINGS})

# The shipped programs load no library planted beside them, with Wine's default load order and
# with native libraries preferred.
add_test(NAME e2e_dllsafety
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/dllsafety_test.sh ${K8_RELEASE} ${K8_SIM_DIR}
          ${CMAKE_BINARY_DIR}/e2e-dllsafety $<TARGET_FILE:planted>)
set_tests_properties(e2e_dllsafety PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# The window at 150 % and 200 % display scale: size, clicks, sharpness, a small screen.
add_test(NAME e2e_scale
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/scale_test.sh ${K8_SIM_DIR} ${CMAKE_BINARY_DIR}/e2e-scale)
set_tests_properties(e2e_scale PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

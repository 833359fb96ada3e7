# The virtual mouse (test equipment): a HID minidriver, its INF and k8vmouse.exe (the firmware's
# host and the hand on the cable), gathered in build/windows/vmouse/. Nothing of it ships.

set(K8_VMOUSE_SRC ${CMAKE_SOURCE_DIR}/tests/vmouse)
set(K8_VMOUSE_DIR ${CMAKE_BINARY_DIR}/vmouse)

# A kernel-mode image: none of the program's link options (static runtime, C++) apply to it.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/k8vmouse.sys
  COMMAND ${CMAKE_C_COMPILER} -std=gnu11 -O2 -Wall -Wextra -Werror -I${K8_VMOUSE_SRC}
          -shared -nostdlib -Wl,--subsystem,native -Wl,-e,DriverEntry -s
          -o ${CMAKE_BINARY_DIR}/k8vmouse.sys ${K8_VMOUSE_SRC}/vmouse_driver.c -lntoskrnl -lhidclass
  DEPENDS ${K8_VMOUSE_SRC}/vmouse_driver.c ${K8_VMOUSE_SRC}/vmouse_hid.h
          ${K8_VMOUSE_SRC}/vmouse_protocol.h
  VERBATIM)

add_executable(k8vmouse ${K8_VMOUSE_SRC}/k8vmouse_win32.cpp ${K8_VMOUSE_SRC}/vmouse_host_win32.cpp
                        ${K8_VMOUSE_SRC}/vmouse_install_win32.cpp ${K8_VMOUSE_SRC}/vmouse_relay.cpp)
target_include_directories(k8vmouse PRIVATE ${K8_VMOUSE_SRC})
target_link_libraries(k8vmouse PRIVATE k8core setupapi newdev)
target_compile_options(k8vmouse PRIVATE ${K8_WARNINGS})
target_link_options(k8vmouse PRIVATE -municode)

add_custom_target(vmouse-folder ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${K8_VMOUSE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:k8vmouse>
          ${CMAKE_BINARY_DIR}/k8vmouse.sys ${K8_VMOUSE_SRC}/k8vmouse.inf ${K8_VMOUSE_DIR}/
  DEPENDS k8vmouse ${CMAKE_BINARY_DIR}/k8vmouse.sys ${K8_VMOUSE_SRC}/k8vmouse.inf
  VERBATIM)

# The shipped program and k8ctl against the virtual mouse in Wine's HID stack.
add_test(NAME e2e_hid
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/hid_test.sh ${K8_RELEASE} ${K8_VMOUSE_DIR}
          ${CMAKE_BINARY_DIR}/e2e-hid)
set_tests_properties(e2e_hid PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

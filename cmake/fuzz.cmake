# libFuzzer targets (clang only): the profile-file parser, EncodeMacros over any record.ini,
# every consumer of a config.bin record (names, tables, key matrices, the whole Apply sequence)
# the profile JSON that k8ctl import reads, and everything read from the mouse: input reports and
# the replies to commands.
# scripts/fuzz configures a clang build with -DK8_FUZZ=ON, builds these targets and runs them.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "K8_FUZZ needs clang (CXX=clang++)")
endif()

# Only the sources the targets reach, built with the fuzzer's instrumentation and with bounds
# checks in the standard containers, so an index past an array fails at once.
set(K8_FUZZ_SOURCES
    src/platform/profile.cpp src/platform/atomic_file.cpp src/platform/text.cpp
    src/settings/key_tables.cpp
    src/macros/macro_lines.cpp src/macros/macro_file.cpp src/macros/macro_encoder.cpp)
set(K8_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# The config.bin target reaches the device protocol, the simulated mouse and Apply as well.
file(GLOB_RECURSE K8_FUZZ_CONFIG_SOURCES CONFIGURE_DEPENDS src/settings/*.cpp src/device/*.cpp
     src/sync/*.cpp src/platform/*.cpp src/i18n/*.cpp src/macros/*.cpp)
list(FILTER K8_FUZZ_CONFIG_SOURCES EXCLUDE REGEX "_win32\\.cpp$")

# The profile parser of k8ctl import, with the tables and the caption and str.ini code it uses.
file(GLOB K8_FUZZ_K8CTL_PROFILE_SOURCES CONFIGURE_DEPENDS tools/k8ctl/json_fields.cpp
     tools/k8ctl/record_json.cpp tools/k8ctl/profile.cpp)
set(profile_json_fuzz_SOURCES ${K8_FUZZ_CONFIG_SOURCES} ${K8_FUZZ_K8CTL_PROFILE_SOURCES})

set(profile_fuzz_SOURCES ${K8_FUZZ_SOURCES})
set(encode_macros_fuzz_SOURCES ${K8_FUZZ_SOURCES})
set(config_bin_fuzz_SOURCES ${K8_FUZZ_CONFIG_SOURCES})
set(input_report_fuzz_SOURCES ${K8_FUZZ_CONFIG_SOURCES})
set(device_reply_fuzz_SOURCES ${K8_FUZZ_CONFIG_SOURCES})

foreach(target profile_fuzz encode_macros_fuzz config_bin_fuzz profile_json_fuzz input_report_fuzz
               device_reply_fuzz)
  add_executable(${target} tests/fuzz/${target}.cpp ${${target}_SOURCES})
  target_include_directories(${target} PRIVATE src tools/k8ctl)
  target_include_directories(${target} SYSTEM PRIVATE ${K8_JSON_INCLUDE})
  target_compile_options(${target} PRIVATE ${K8_WARNINGS} -Wno-unknown-warning-option -g -O1
                                           ${K8_FUZZ_FLAGS})
  target_compile_definitions(${target} PRIVATE _GLIBCXX_ASSERTIONS)
  target_link_options(${target} PRIVATE ${K8_FUZZ_FLAGS})
endforeach()

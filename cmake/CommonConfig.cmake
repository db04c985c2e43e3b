# Compile settings shared by every target of the project.
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

add_library(quorvex_common INTERFACE)
target_compile_features(quorvex_common INTERFACE cxx_std_20)
set_target_properties(quorvex_common PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)

if(MSVC)
  target_compile_options(quorvex_common INTERFACE /W4 /WX /utf-8)
  target_compile_definitions(quorvex_common INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN _CRT_SECURE_NO_WARNINGS)
else()
  target_compile_options(quorvex_common INTERFACE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenations as overlapping copies when
    # optimising (GCC bug 105329); the warning is wrong there, so it goes.
    target_compile_options(quorvex_common INTERFACE -Wno-restrict)
  endif()
endif()

if(QUORVEX_SANITIZE)
  if(MSVC)
    target_compile_options(quorvex_common INTERFACE /fsanitize=address)
  else()
    target_compile_options(quorvex_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(quorvex_common INTERFACE -fsanitize=address,undefined)
  endif()
endif()

if(QUORVEX_BUILD_FUZZ)
  # Every object is instrumented for coverage and checked by both
  # sanitizers; only the fuzz targets link libFuzzer's main.
  target_compile_options(quorvex_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                  -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quorvex_common INTERFACE -fsanitize=address,undefined)
endif()

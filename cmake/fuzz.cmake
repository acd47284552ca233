# Fuzz build: the portable code and the sim under AddressSanitizer and UndefinedBehaviorSanitizer
# with libFuzzer's coverage hooks, and one fuzzer per fuzz/<name>_fuzz.cpp. Only clang has
# libFuzzer, so this build lives in its own folder (tools/fuzz.sh configures build/fuzz with
# CC=clang CXX=clang++ -DQV_FUZZ=ON) and the normal build never needs clang.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "QV_FUZZ needs clang (libFuzzer): configure with CC=clang CXX=clang++, "
                      "or run tools/fuzz.sh")
endif()

# UB aborts like a memory fault, so the fuzzer stops on it and keeps the input.
set(QV_FUZZ_SANITIZE address,undefined)
set(QV_FUZZ_COMMON_FLAGS -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)

foreach(lib qv_portable qv_sim)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,${QV_FUZZ_SANITIZE}
                                        ${QV_FUZZ_COMMON_FLAGS})
endforeach()

# Adding a parser to the fuzzing is adding one file fuzz/<name>_fuzz.cpp.
file(GLOB QV_FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(source ${QV_FUZZ_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  target_include_directories(${target} PRIVATE fuzz)
  target_link_libraries(${target} PRIVATE qv_sim)
  target_compile_options(${target} PRIVATE ${QV_WARNINGS} -fsanitize=fuzzer,${QV_FUZZ_SANITIZE}
                                           ${QV_FUZZ_COMMON_FLAGS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,${QV_FUZZ_SANITIZE})
endforeach()

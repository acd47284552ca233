# Windows build (mingw-w64): the program, the stand-in game and the tests that run under Wine.
# Everything links statically so each exe runs alone.
enable_language(RC)
enable_testing()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static")
set(QV_WIN32_LIBS user32 gdi32 msimg32 winmm shell32 advapi32 comctl32 ole32 oleaut32 uuid)

file(GLOB QV_WIN32_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
list(FILTER QV_WIN32_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
add_library(qv_win32 STATIC ${QV_WIN32_SOURCES})
target_link_libraries(qv_win32 PUBLIC qv_portable ${QV_WIN32_LIBS})
target_compile_options(qv_win32 PRIVATE ${QV_WARNINGS})

add_executable(quorvane-chat WIN32 src/win32/main.cpp assets/resources.rc)
target_include_directories(quorvane-chat PRIVATE assets)
target_link_libraries(quorvane-chat PRIVATE qv_win32)
target_compile_options(quorvane-chat PRIVATE ${QV_WARNINGS})

file(GLOB QV_STANDIN_SOURCES CONFIGURE_DEPENDS standin/*.cpp)
add_executable(standin-game WIN32 ${QV_STANDIN_SOURCES})
target_link_libraries(standin-game PRIVATE ${QV_WIN32_LIBS})
target_compile_options(standin-game PRIVATE ${QV_WARNINGS})

# GoogleTest from the machine's sources, built with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The least reader of the game's lists, the floor that tools/measure_cpu.sh compares the
# companion's CPU with.
add_executable(cpu-floor-reader WIN32 tests/cpu_floor/floor_reader.cpp)
target_link_libraries(cpu-floor-reader PRIVATE user32 shell32)
target_compile_options(cpu-floor-reader PRIVATE ${QV_WARNINGS})

file(GLOB QV_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
if(QV_WIN32_TEST_SOURCES)
  add_executable(win32_tests ${QV_WIN32_TEST_SOURCES} assets/resources.rc)
  target_include_directories(win32_tests PRIVATE tests assets)
  target_link_libraries(win32_tests PRIVATE qv_win32 qv_sim gtest gmock gtest_main)
endif()

file(GLOB QV_E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
if(QV_E2E_SOURCES)
  # The stand-in's text helpers: the tests write its script and read its transcript.
  add_executable(e2e_tests ${QV_E2E_SOURCES} standin/text.cpp)
  target_include_directories(e2e_tests PRIVATE tests standin)
  target_link_libraries(e2e_tests PRIVATE qv_win32 gtest gmock gtest_main)
  # The companion with the capture's hot key switched on, for the capture tests only.
  add_executable(capture-companion WIN32 tests/e2e/capture_companion/capture_companion.cpp
                 assets/resources.rc)
  target_include_directories(capture-companion PRIVATE tests assets)
  target_link_libraries(capture-companion PRIVATE qv_win32)
  target_compile_options(capture-companion PRIVATE ${QV_WARNINGS})
  # The end-to-end tests start these programs from their own folder.
  add_dependencies(e2e_tests quorvane-chat capture-companion standin-game cpu-floor-reader)
endif()

# The Wine tests run through ctest (the emulator is wine), one label per tier:
#   win32  the real platform layer against real controls;
#   e2e    the stand-in game and the companion as two processes, all but the soak;
#   soak   the long end-to-end run alone.
# Each run writes a GoogleTest report to test-results/<name>.xml so a summary can count the
# single cases. A filter that matches no test still passes (GoogleTest runs 0 tests, exit 0).
# The timeouts only stop a hung run, which ctest then reports as failed (tools/test.sh
# guards each tier with a slightly longer limit of its own).
if(TARGET win32_tests)
  add_test(NAME win32 COMMAND win32_tests --gtest_output=xml:test-results/win32.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(win32 PROPERTIES LABELS win32 TIMEOUT 300)
endif()
if(TARGET e2e_tests)
  add_test(NAME e2e
           COMMAND e2e_tests --gtest_filter=-Soak.* --gtest_output=xml:test-results/e2e.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e PROPERTIES LABELS e2e TIMEOUT 600)
  add_test(NAME soak
           COMMAND e2e_tests --gtest_filter=Soak.* --gtest_output=xml:test-results/soak.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(soak PROPERTIES LABELS soak TIMEOUT 1800)
endif()

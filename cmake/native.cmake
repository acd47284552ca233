# Native build: unit tests and benchmarks of the portable code.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE QV_UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${QV_UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE tests)
target_link_libraries(unit_tests PRIVATE qv_sim GTest::gmock GTest::gtest GTest::gtest_main)
target_compile_options(unit_tests PRIVATE ${QV_WARNINGS})
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB QV_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(benchmark_FOUND AND QV_BENCH_SOURCES)
  add_executable(benchmarks ${QV_BENCH_SOURCES})
  target_link_libraries(benchmarks PRIVATE qv_sim benchmark::benchmark benchmark::benchmark_main)
  target_compile_options(benchmarks PRIVATE ${QV_WARNINGS})
endif()

# The whole engine on fuzzed problem text: reading, capacity analysis, t-z analysis and the
# result files, checked with the desktop program's way of reading the plot data.
torvex_add_fuzzer(fuzz_analysis
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_analysis.cpp ${CMAKE_SOURCE_DIR}/tests/engine/support/PlotDataReader.cpp
  LIBS torvex_entry torvex_runfiles)
torvex_fuzz_include_directories(fuzz_analysis ${CMAKE_SOURCE_DIR}/tests/engine/support)

# Loading a plot-data file into the result plots: every file the engine leaves behind, or
# that a user puts beside a document, goes through it.
if(TARGET torvex_app_results)
  torvex_add_fuzzer(fuzz_results SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_results.cpp
    LIBS torvex_app_results)
endif()

# The engine's problem reader, followed by the echo and profile preparation on what it read.
torvex_add_fuzzer(fuzz_input_reader SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_input_reader.cpp LIBS torvex_engine_run)

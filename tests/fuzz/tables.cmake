# The expression evaluator and the word reader: every text a user can type and every file a
# user can open goes through them.
if(TARGET torvex_app_tables)
  torvex_add_fuzzer(fuzz_expression SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_expression.cpp
    LIBS torvex_app_tables)
  torvex_add_fuzzer(fuzz_wordreader SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_wordreader.cpp
    LIBS torvex_app_tables)
endif()

# The problem document's readers in their three layouts, with saving and reading back what
# they read completely.
if(TARGET torvex_app_document)
  torvex_add_fuzzer(fuzz_document
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_document.cpp
            ${CMAKE_SOURCE_DIR}/tests/app/document/DocumentSoundness.cpp
    LIBS torvex_app_document)
  torvex_fuzz_include_directories(fuzz_document ${CMAKE_SOURCE_DIR}/tests/app/document)
endif()

// A library that needs a symbol no library defines: the loader cannot bind it.
extern "C" int tvx_symbol_that_no_library_defines(int k);
extern "C" __attribute__((visibility("default"))) int ITORVEX(int k) {
  return tvx_symbol_that_no_library_defines(k);
}

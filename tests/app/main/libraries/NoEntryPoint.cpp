// A loadable library that does not export the engine's entry point.
extern "C" __attribute__((visibility("default"))) int ITORVEX_NOT_HERE(int k) { return k; }

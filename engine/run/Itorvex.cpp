// The library's only exported function.
#include <memory>

#include "EngineState.h"
#include "RunEngine.h"
#include "RunStatus.h"

namespace {
constexpr int kRunArgument = 11;
}

extern "C" __attribute__((visibility("default"))) int ITORVEX(int k) {
  if (k != kRunArgument) return tvx::kStatusBadArgument;
  int status = tvx::kStatusNormal;
  try {
    auto state = std::make_unique<tvx::EngineState>();
    tvx::RunEngine(*state, status);
  } catch (...) {
    // The engine raises nothing by design; an escaping exception (out of memory) must not
    // cross into the caller.
    status = tvx::kStatusInternalError;
  }
  return status;
}

#include "EngineState.h"

namespace tvx {
namespace {
RunClock gClock = nullptr;
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

void SetRunClock(RunClock clock) { gClock = clock; }

std::tm RunTime() { return gClock ? gClock() : LocalTimeNow(); }

}  // namespace tvx

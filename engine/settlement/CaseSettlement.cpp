#include "CaseSettlement.h"

#include "RunStatus.h"

namespace tvx {

int SettleCase(EngineState& state) {
  (void)state;
  return kStatusNormal;
}

}  // namespace tvx

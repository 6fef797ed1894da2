#include "Analysis.h"

namespace tvx {

void RunAnalysis(EngineState& /*state*/, int& /*status*/) {}

}  // namespace tvx

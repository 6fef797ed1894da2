// Feeds arbitrary bytes to the problem reader as the text of an input file. A file it
// accepts goes on through the conversion, the estimates and the input echo (written to
// memory), and the profile services are called across the whole profile.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "Analysis.h"
#include "EngineState.h"
#include "InputReader.h"
#include "ProfileMessages.h"
#include "SoilProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto state = std::make_unique<tvx::EngineState>();
  state->units.OpenCapture(tvx::kUnitReport);
  state->units.OpenCapture(tvx::kUnitRunNotes);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tvx::InputError error;
  if (!tvx::ReadProblemText(text, state->problem, error)) {
    tvx::WriteInputError(*state, error);
    return 0;
  }
  tvx::PrepareProblem(*state);
  const tvx::ProblemRecord& p = state->problem;
  volatile float sink = tvx::EffectiveStress(p, p.layer[p.NLAYERS].XBOT + 2.5f);
  for (int i = 2; i <= p.NLAYERS; ++i) {
    const tvx::LayerEntry& layer = p.layer[i];
    sink = sink + tvx::EffectiveStress(p, layer.XTOP) + tvx::EffectiveStress(p, 0.5f * (layer.XTOP + layer.XBOT));
    for (float x = 0.0f; x <= layer.XBOTSNAP - layer.XTOPSNAP; x += 1.0f)
      sink = sink + tvx::InterpolateInLayer(layer, layer.GAMMA, x);
  }
  return 0;
}

// Time of the load-settlement computations of a large design-chart run: 40 layers, 20
// diameters, 10 defined settlements, a 100 ft shaft in one-foot increments. Not a test:
// it prints the time per case.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "CaseSettlement.h"
#include "EngineTestSupport.h"
#include "RunEngine.h"
#include "RunStatus.h"

namespace tvx {
namespace {

TEST(SettlementBench, FortyLayersTwentyDiametersTenSettlements) {
  test::ScratchDir dir;
  EngineState s;
  for (int unit : {kUnitReport, kUnitPlot, kUnitRunNotes, kUnitCurves, kUnitQwList, kUnitTzPlot, kUnitQwPlot,
                   kUnitLoadDist})
    s.units.OpenWrite(unit, (dir / ("u" + std::to_string(unit))).string());
  s.units.OpenWrite(kUnitChart, kChartFileName);
  ProblemRecord& p = s.problem;
  p.EcInput = 4.0e6f;
  p.ICHART = 1;
  p.DSTART = 2.0f;
  p.DIALIM = 11.5f;
  p.DIAMINCR = 0.5f;
  p.NPOINTPD = 10;
  for (int i = 1; i <= 10; ++i) p.PDSETT[i] = 0.1f * static_cast<float>(i);
  p.NLAYERS = 41;
  for (int i = 2; i <= 41; ++i) {
    LayerEntry& e = p.layer[i];
    e.KSOIL = i % 2 == 0 ? kSand : kClay;
    e.XTOP = e.XTOPSNAP = 3.0f * static_cast<float>(i - 2);
    e.XBOT = e.XBOTSNAP = 3.0f * static_cast<float>(i - 1);
  }
  const auto start = std::chrono::steady_clock::now();
  int cases = 0;
  for (int d = 1; d <= 20; ++d) {
    CaseHandOver& h = s.handOver;
    h = CaseHandOver{};
    h.caseNumber = ++cases;
    h.diameterIndex = d;
    h.lengthIndex = 1;
    h.plotted = true;
    h.D = h.Db = 1.5f + 0.5f * static_cast<float>(d);
    h.tipDepth = 100.0f;
    h.QB = 200.0f;
    h.tipLayer = 35;
    for (int L = 1; L <= 100; ++L) {
      h.sideDepthIn.push_back(12.0f * static_cast<float>(L));
      h.sideUnitPsi.push_back(5.0f + 0.1f * static_cast<float>(L));
      h.curve.push_back(CapacityPoint{static_cast<float>(L), 1, 1, 2, 1, 1, 2});
    }
    h.NSEG = 100;
    ASSERT_EQ(SettleCase(s), kStatusNormal);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("load-settlement of %d cases: %.3f s, %.1f ms per case\n", cases, seconds, 1000.0 * seconds / cases);
  s.units.CloseAll();
}

}  // namespace
}  // namespace tvx

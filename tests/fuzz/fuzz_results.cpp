// Any plot-data file, loaded with any document settings, gives 0 or 1; nothing crashes,
// loops or allocates beyond the file, and a load that succeeds leaves the plots whole (the
// skin-friction lines, the three combined lines, the 16 points of the settlement curve) and
// a Graphics menu that offers only what was loaded.
//
// Input: the first byte chooses the document settings (bit 0 older document, 1 design
// charts, 2 additional t-z curves, 3 elevations, 4 uplift, 5 lengths varied, 6 SI, 7 no
// bound curves expected); the rest is the file's content.
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "GraphicsMenuState.h"
#include "TResultsLoader.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 262144) return 0;
  const std::uint8_t bits = data[0];
  TPlotReadSettings doc;
  doc.Yesnewversion = (bits & 1) == 0;
  doc.IChart = (bits >> 1) & 1;
  doc.PrintTZCurves = (bits >> 2) & 1;
  doc.UseElevation = (bits >> 3) & 1;
  doc.ValElevation = 100;
  doc.KCYCL = (bits & 16) ? 2 : 1;
  doc.IPENT = (bits >> 5) & 1;
  doc.Units = (bits & 64) ? 2 : 1;
  doc.NPOINTPD = 3;
  doc.DSTART = 3;
  doc.DIAMINCR = 0.5;
  const QByteArray content(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

  TResultPlots plots;
  TResultsLoader loader(plots, doc, {{1, 20}, {2, 60}, {0, 80}});
  const int result = loader.ReadPlotDataFrom(content, 0);
  Check(result == 0 || result == 1, "result neither 0 nor 1");
  if (result == 1) {
    Check(plots.pltSkin().LineCount() >= 1 && plots.pltSkin().Count() >= 1, "loaded without lines");
    Check(plots.pltCombine().LineCount() == 3, "combined lines");
    Check(plots.pltAxial().Count() == 16, "settlement points");
  }
  plots.ShowOutput = result == 1;
  const TGraphicsMenuState menu = GraphicsMenuState(doc, plots, true);
  Check(!menu[TGraphicsItem::mload].Enabled || plots.showloadcurves, "load curves offered");
  return 0;
}

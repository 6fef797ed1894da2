#include "PlotDataReader.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace tvx::test {
namespace {

class WordStream {
 public:
  explicit WordStream(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) {
      std::istringstream ss(l);
      std::vector<std::string> words;
      for (std::string w; ss >> w;) words.push_back(w);
      fLines.push_back(words);
    }
  }
  std::string Word() {
    if (AtEnd()) throw std::runtime_error("end of file inside a section");
    return fLines[fLine][fWord++];
  }
  double Real() {
    const std::string w = Word();
    char* end = nullptr;
    const double v = std::strtod(w.c_str(), &end);
    if (end == w.c_str() || *end != '\0' || !std::isfinite(v))
      throw std::runtime_error("not a number: " + w + Where());
    return v;
  }
  long Int() {
    const std::string w = Word();
    char* end = nullptr;
    const long v = std::strtol(w.c_str(), &end, 10);
    if (end == w.c_str() || *end != '\0') throw std::runtime_error("not an integer: " + w + Where());
    return v;
  }
  void SkipRestOfLine() {
    if (fWord > 0) {
      ++fLine;
      fWord = 0;
    }
  }
  bool AtEnd() {
    while (fLine < fLines.size() && fWord >= fLines[fLine].size()) {
      ++fLine;
      fWord = 0;
    }
    return fLine >= fLines.size();
  }

 private:
  std::string Where() const { return " (line " + std::to_string(fLine + 1) + ")"; }
  std::vector<std::vector<std::string>> fLines;
  std::size_t fLine = 0, fWord = 0;
};

}  // namespace

PlotContents ReadPlotFile(const std::vector<std::string>& lines, bool printedCurves, bool charts) {
  WordStream r(lines);
  PlotContents c;
  for (long line = 0; line == 0 || line < c.NLINES; ++line) {
    PlottedLine pl;
    pl.NLINES = r.Int();
    pl.NPTS = r.Int();
    pl.NBLK = r.Int();
    if (line == 0) {
      c.NLINES = pl.NLINES;
      c.NPTS = pl.NPTS;
      c.NBLK = pl.NBLK;
      if (c.NLINES < 1) throw std::runtime_error("no plotted line announced");
    }
    if (pl.NPTS < 0) throw std::runtime_error("negative point count");
    c.headerNBLK.push_back(pl.NBLK);
    for (long k = 0; k < pl.NPTS; ++k) {
      std::array<double, 7> p{};
      for (double& v : p) v = r.Real();
      pl.points.push_back(p);
    }
    for (int b = 0; b < (c.NBLK > 2 ? 3 : 1); ++b) {
      std::vector<std::array<double, 4>> block(15);
      for (auto& row : block)
        for (double& v : row) v = r.Real();
      pl.blocks.push_back(block);
    }
    c.lines.push_back(pl);
  }
  if (charts) {
    c.NCHART = r.Int();
    c.NDIAC = r.Int();
    c.NLENC = r.Int();
    if (c.NCHART < 0 || c.NCHART > 10 || c.NDIAC < 0 || c.NDIAC > 20 || c.NLENC < 0 || c.NLENC > 100)
      throw std::runtime_error("design-chart counts out of range");
    for (long i = 0; i < c.NCHART; ++i) {
      c.chartSettlements.push_back(r.Real());
      c.chartDiameters.emplace_back();
      c.chartPoints.emplace_back();
      for (long j = 0; j < c.NDIAC; ++j) {
        c.chartDiameters.back().push_back(r.Real());
        c.chartPoints.back().emplace_back();
        for (long k = 0; k < c.NLENC; ++k) {
          const double length = r.Real();
          c.chartPoints.back().back().push_back({length, r.Real()});
        }
      }
    }
  }
  r.SkipRestOfLine();
  if (r.AtEnd()) return c;
  c.appended = true;
  auto readCurves = [&r](long count, bool twoIntsFirst) {
    for (long j = 0; j < count; ++j) {
      r.Int();
      if (twoIntsFirst) {
        r.Int();
        r.Real();
      } else {
        r.Real();
        r.Int();
      }
      for (int p = 0; p < 20; ++p) r.Real();
    }
  };
  if (printedCurves) {
    c.NTZDEP = r.Int();
    readCurves(c.NTZDEP, true);
  }
  c.NTZ = r.Int();
  readCurves(c.NTZ, true);
  c.NQW = r.Int();
  readCurves(c.NQW, false);
  r.SkipRestOfLine();
  if (r.AtEnd()) return c;
  for (long k = 0; k < 15 * (c.NPTS - 2) * 3; ++k, ++c.loadDistValues) r.Real();
  if (!r.AtEnd()) throw std::runtime_error("words after the load distributions");
  return c;
}

}  // namespace tvx::test

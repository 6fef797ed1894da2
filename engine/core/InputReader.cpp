#include "InputReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "Format.h"
#include "Constants.h"

namespace tvx {
namespace {

constexpr std::size_t kTitleWidth = 72;
constexpr std::size_t kShownWordWidth = 20;
constexpr float kNotGivenLimit = 1e-10f;  // TRANLM / QMAX below this magnitude: no limit

// Items of the layer parameter lines, the two LRFD factors included.
constexpr int kSandItems = 9;
constexpr int kClayItems = 9;
constexpr int kStrongRockItems = 11;
constexpr int kWeakRockItems = 11;
constexpr int kDecomposedRockItems = 9;
constexpr int kGravelItems = 7;
constexpr int kLrfdItems = 2;  // RFS and RFB close every parameter line and may be left off

constexpr const char* kEndOfFile = "THE FILE ENDS BEFORE THIS RECORD.";

std::string Quoted(std::string_view word) {
  std::string s;
  for (char c : word.substr(0, kShownWordWidth)) {
    const auto u = static_cast<unsigned char>(c);
    s.push_back(u >= 0x20 && u < 0x7f ? c : '?');
  }
  if (word.size() > kShownWordWidth) s += "...";
  return "\"" + s + "\"";
}

std::string Trimmed(const std::string& s) {
  const std::size_t i = s.find_first_not_of(' ');
  return i == std::string::npos ? std::string() : s.substr(i);
}

std::string Num(int v) { return std::to_string(v); }
std::string Num(float v) { return FreeReal(v); }

// A word of a record as a real, as a list-directed read takes it: decimal or exponent form,
// an optional sign; the value must be finite in single precision.
enum class Parse { kOk, kNotANumber, kOutOfRange };

Parse ParseReal(std::string_view word, float& value) {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return Parse::kNotANumber;
  // Only digits, a point, a sign and an exponent letter make a number; this keeps out the
  // "inf" and "nan" words that the conversion would otherwise take.
  for (const char* c = first; c != last; ++c) {
    const char ch = *c;
    if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+' || ch == 'e' || ch == 'E'))
      return Parse::kNotANumber;
  }
  float v = 0.0f;
  const auto res = std::from_chars(first, last, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range && res.ptr == last) return Parse::kOutOfRange;
  if (res.ec != std::errc() || res.ptr != last) return Parse::kNotANumber;
  if (!std::isfinite(v)) return Parse::kOutOfRange;
  value = v;
  return Parse::kOk;
}

Parse ParseInteger(std::string_view word, int& value) {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return Parse::kNotANumber;
  int v = 0;
  const auto res = std::from_chars(first, last, v);
  if (res.ec == std::errc::result_out_of_range && res.ptr == last) return Parse::kOutOfRange;
  if (res.ec != std::errc() || res.ptr != last) return Parse::kNotANumber;
  value = v;
  return Parse::kOk;
}

// Reads the records one line at a time and keeps what an error message needs.
class RecordReader {
 public:
  RecordReader(LineSource& source, InputError& error) : fSource(source), fError(error) {}

  // Takes the next line as the record `name`.
  bool Next(const std::string& name) {
    fName = name;
    if (!fSource.Next(fLine)) {
      ++fLineNo;
      return Fail(kEndOfFile);
    }
    ++fLineNo;
    Split();
    return true;
  }

  const std::string& Line() const { return fLine; }
  int Count() const { return static_cast<int>(fWords.size()); }

  // The record must hold at least `count` items.
  bool Need(int count) {
    if (Count() >= count) return true;
    return Fail("THE RECORD HOLDS " + Num(Count()) + " VALUES, " + Num(count) + " EXPECTED.");
  }

  // Item `item` (1-based) as a real.
  bool Real(int item, float& value) {
    if (!Need(item)) return false;
    const std::string_view w = fWords[item - 1];
    switch (ParseReal(w, value)) {
      case Parse::kOk:
        return true;
      case Parse::kOutOfRange:
        return Fail(ItemText(item) + "THE NUMBER " + Quoted(w) + " IS OUT OF RANGE.");
      case Parse::kNotANumber:
        break;
    }
    return Fail(ItemText(item) + "A NUMBER WAS EXPECTED, FOUND " + Quoted(w) + ".");
  }

  // Item `item` (1-based) as an integer written without a fraction.
  bool Integer(int item, int& value) {
    if (!Need(item)) return false;
    const std::string_view w = fWords[item - 1];
    switch (ParseInteger(w, value)) {
      case Parse::kOk:
        return true;
      case Parse::kOutOfRange:
        return Fail(ItemText(item) + "THE WHOLE NUMBER " + Quoted(w) + " IS OUT OF RANGE.");
      case Parse::kNotANumber:
        break;
    }
    return Fail(ItemText(item) + "A WHOLE NUMBER WAS EXPECTED, FOUND " + Quoted(w) + ".");
  }

  bool Fail(const std::string& problem) {
    fError.line = fLineNo;
    fError.record = fName;
    fError.problem = problem;
    return false;
  }

 private:
  static std::string ItemText(int item) { return "ITEM " + Num(item) + ": "; }

  void Split() {
    fWords.clear();
    const std::string_view s = fLine;
    std::size_t i = 0;
    while (i < s.size()) {
      while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
      if (i >= s.size()) break;
      std::size_t j = i;
      while (j < s.size() && s[j] != ' ' && s[j] != '\t') ++j;
      fWords.push_back(s.substr(i, j - i));
      i = j;
    }
  }

  LineSource& fSource;
  InputError& fError;
  std::string fName;
  std::string fLine;
  std::vector<std::string_view> fWords;
  int fLineNo = 0;
};

// What an item of a layer parameter line is bound to.
enum class ItemKind { kValue, kPlaceholder, kInterfaceCondition };
struct LayerItem {
  ItemKind kind;
  EndValues LayerEntry::*field;
};

constexpr LayerItem V(EndValues LayerEntry::*f) { return {ItemKind::kValue, f}; }
constexpr LayerItem kPlaceholder{ItemKind::kPlaceholder, nullptr};
constexpr LayerItem kIcond{ItemKind::kInterfaceCondition, nullptr};

// The items of a parameter line, without the two LRFD factors that close it.
const LayerItem kSandLine[] = {kPlaceholder, V(&LayerEntry::GAMMA),  V(&LayerEntry::PHI),
                               V(&LayerEntry::IANG), V(&LayerEntry::BLOWS), V(&LayerEntry::TRANLM),
                               V(&LayerEntry::QMAX)};
const LayerItem kClayLine[] = {V(&LayerEntry::NC),    V(&LayerEntry::GAMMA),  kPlaceholder,
                               V(&LayerEntry::CU),    V(&LayerEntry::BLOWS), V(&LayerEntry::TRANLM),
                               V(&LayerEntry::QMAX)};
const LayerItem kStrongRockLine[] = {V(&LayerEntry::QUR),    V(&LayerEntry::QUCON), V(&LayerEntry::CS),
                                     V(&LayerEntry::DISCT),  V(&LayerEntry::BDS),   V(&LayerEntry::TRANLM),
                                     V(&LayerEntry::EL),     V(&LayerEntry::RQD),   V(&LayerEntry::QMAX)};
const LayerItem kWeakRockLine[] = {V(&LayerEntry::QUR),    kIcond,              V(&LayerEntry::SLUMP),
                                   V(&LayerEntry::PHIRC),  V(&LayerEntry::BDS), V(&LayerEntry::TRANLM),
                                   V(&LayerEntry::EL),     V(&LayerEntry::RQD), V(&LayerEntry::QMAX)};
const LayerItem kDecomposedRockLine[] = {V(&LayerEntry::GAMMA), V(&LayerEntry::BLOWS),  V(&LayerEntry::POISSON),
                                         V(&LayerEntry::EL),    V(&LayerEntry::BDS),    V(&LayerEntry::TRANLM),
                                         V(&LayerEntry::QMAX)};
const LayerItem kGravelLine[] = {V(&LayerEntry::GAMMA), V(&LayerEntry::BLOWS), V(&LayerEntry::BETA),
                                 V(&LayerEntry::TRANLM), V(&LayerEntry::QMAX)};

struct LineLayout {
  const LayerItem* items;
  int count;  // items before the LRFD factors
};

template <std::size_t N>
constexpr LineLayout Layout(const LayerItem (&items)[N]) {
  return {items, static_cast<int>(N)};
}

LineLayout LayoutOf(int ksoil) {
  switch (ksoil) {
    case kSand:
      return Layout(kSandLine);
    case kClay:
    case kShale:
      return Layout(kClayLine);
    case kStrongRock:
    case kStrongRockBoth:
      return Layout(kStrongRockLine);
    case kDecomposedRock:
      return Layout(kDecomposedRockLine);
    case kWeakRock:
      return Layout(kWeakRockLine);
    default:
      return Layout(kGravelLine);
  }
}

static_assert(sizeof(kSandLine) / sizeof(LayerItem) + kLrfdItems == kSandItems);
static_assert(sizeof(kClayLine) / sizeof(LayerItem) + kLrfdItems == kClayItems);
static_assert(sizeof(kStrongRockLine) / sizeof(LayerItem) + kLrfdItems == kStrongRockItems);
static_assert(sizeof(kWeakRockLine) / sizeof(LayerItem) + kLrfdItems == kWeakRockItems);
static_assert(sizeof(kDecomposedRockLine) / sizeof(LayerItem) + kLrfdItems == kDecomposedRockItems);
static_assert(sizeof(kGravelLine) / sizeof(LayerItem) + kLrfdItems == kGravelItems);

std::string LayerName(int layerNo, const char* what) {
  return "LAYER " + Num(layerNo) + ", " + what;
}

// One parameter line of a layer into its top (atTop) or bottom values.
bool ReadParameterLine(RecordReader& r, LayerEntry& layer, bool atTop) {
  const LineLayout layout = LayoutOf(layer.KSOIL);
  if (!r.Need(layout.count)) return false;
  for (int k = 0; k < layout.count; ++k) {
    const LayerItem& it = layout.items[k];
    const int item = k + 1;
    switch (it.kind) {
      case ItemKind::kValue: {
        EndValues& ends = layer.*(it.field);
        if (!r.Real(item, atTop ? ends.top : ends.bot)) return false;
        break;
      }
      case ItemKind::kPlaceholder: {
        float ignored = 0.0f;
        if (!r.Real(item, ignored)) return false;
        break;
      }
      case ItemKind::kInterfaceCondition: {
        int icond = 0;
        if (!r.Integer(item, icond)) return false;
        if (atTop) layer.ICOND = icond;  // the top line's condition is the one used
        break;
      }
    }
  }
  // A line with the LRFD factors sets the layer's factors; the bottom line's win.
  if (r.Count() >= layout.count + kLrfdItems) {
    if (!r.Real(layout.count + 1, layer.FLRFDS) || !r.Real(layout.count + 2, layer.FLRFDB)) return false;
  }
  return true;
}

void ReplaceNotGiven(EndValues& v) {
  if (std::fabs(v.top) < kNotGivenLimit) v.top = kNoLimit;
  if (std::fabs(v.bot) < kNotGivenLimit) v.bot = kNoLimit;
}

bool ReadLayer(RecordReader& r, ProblemRecord& p, int layerNo) {
  LayerEntry& layer = p.layer[layerNo + 1];
  const LayerEntry& above = p.layer[layerNo];

  if (!r.Next(LayerName(layerNo, "TYPE AND BOTTOM DEPTH")) || !r.Need(2)) return false;
  float type = 0.0f;
  if (!r.Real(1, type)) return false;
  if (!(type >= 1.0f && type < 10.0f))
    return r.Fail("UNKNOWN LAYER TYPE " + Num(type) + "; THE TYPES ARE 1 TO 9.");
  layer.KSOIL = static_cast<int>(type);
  if (!r.Real(2, layer.XBOT)) return false;
  layer.XTOP = layerNo == 1 ? 0.0f : above.XBOT;
  if (!(layer.XBOT > layer.XTOP))
    return r.Fail("THE LAYER BOTTOM " + Num(layer.XBOT) + " MUST BE DEEPER THAN ITS TOP " + Num(layer.XTOP) + ".");
  const float depthFt = p.IsSI() ? layer.XBOT * kFtPerM : layer.XBOT;
  if (depthFt > kMaxProfileDepth)
    return r.Fail("THE LAYER BOTTOM LIES DEEPER THAN " + Num(kMaxProfileDepth) + " FT (" +
                  Trimmed(FormatF(kMaxProfileDepth / kFtPerM, 10, 1)) + " M), THE DEEPEST PROFILE ANALYSED.");

  if (!r.Next(LayerName(layerNo, "VALUES AT THE TOP")) || !ReadParameterLine(r, layer, true)) return false;
  if (!r.Next(LayerName(layerNo, "VALUES AT THE BOTTOM")) || !ReadParameterLine(r, layer, false)) return false;

  EndValues coefficient;
  if (layer.KSOIL == kSand) {
    if (!r.Next(LayerName(layerNo, "SIDE FRICTION METHOD")) || !r.Need(1) || !r.Integer(1, layer.sandMethod))
      return false;
    if (layer.sandMethod < kKoMethod || layer.sandMethod > kKulhawyChenMethod)
      return r.Fail("THE SIDE FRICTION METHOD MUST BE 1, 2 OR 3, FOUND " +
                    Num(layer.sandMethod) + ".");
    if (!r.Next(LayerName(layerNo, "METHOD COEFFICIENT AT THE TOP AND BOTTOM")) || !r.Need(2) ||
        !r.Real(1, coefficient.top) || !r.Real(2, coefficient.bot))
      return false;
  } else if (IsCohesive(layer.KSOIL)) {
    if (!r.Next(LayerName(layerNo, "ALPHA AT THE TOP AND BOTTOM")) || !r.Need(2) ||
        !r.Real(1, layer.ALPHA.top) || !r.Real(2, layer.ALPHA.bot))
      return false;
  }

  ReplaceNotGiven(layer.TRANLM);
  ReplaceNotGiven(layer.QMAX);
  if (layer.KSOIL == kSand) {
    layer.PHIW = layer.PHI;
    if (layer.IANG.top <= 0.0f && layer.IANG.bot <= 0.0f) layer.IANG = layer.PHI;
    layer.COEF = coefficient;
    if (layer.sandMethod == kBetaMethod) layer.BETA = coefficient;
    if (layer.sandMethod == kKulhawyChenMethod) layer.KCM = coefficient;
  } else if (layer.KSOIL == kGravellySand || layer.KSOIL == kGravel) {
    layer.sandMethod = kBetaMethod;
    layer.COEF = layer.BETA;
  }
  return true;
}

// Fills a zero length range: a fraction of the longest length, a default step, and no
// length shorter than six diameters plus the portions without side resistance.
void CompleteLengthRange(ProblemRecord& p, float maxLength, float minFraction) {
  if (p.PDMIN == 0.0f) p.PDMIN = minFraction * maxLength;
  if (p.PDINCR == 0.0f) p.PDINCR = p.IsSI() ? 1.0f : 3.0f;
  p.PDMIN = std::max(p.PDMIN, 6.0f * p.DSTART + p.TOPLENG + p.BS);
}

}  // namespace

bool TextLineSource::Next(std::string& line) {
  if (fPos >= fText.size()) return false;
  std::size_t end = fText.find('\n', fPos);
  if (end == std::string_view::npos) end = fText.size();
  line.assign(fText.substr(fPos, end - fPos));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  fPos = end + 1;
  return true;
}

bool ReadProblemInput(LineSource& source, ProblemRecord& p, InputError& error) {
  RecordReader r(source, error);

  if (!r.Next("TITLE")) return false;
  p.TITLE = r.Line().substr(0, std::min(r.Line().size(), kTitleWidth));

  if (!r.Next("UNIT SYSTEM (1 ENGLISH, 2 SI)") || !r.Need(1) || !r.Integer(1, p.IUNIT)) return false;
  p.UNITS = p.IUNIT == 2 ? "SI" : "EN";

  if (!r.Next("COMPUTATION OPTIONS") || !r.Need(10)) return false;
  if (!r.Integer(1, p.METHOD) || !r.Integer(2, p.KCYCL) || !r.Real(3, p.RCYCL) || !r.Real(4, p.PINC) ||
      !r.Integer(5, p.IMOD) || !r.Integer(6, p.NLRFD) || !r.Integer(7, p.IPENT) || !r.Integer(8, p.ICHART) ||
      !r.Integer(9, p.UseElevation) || !r.Real(10, p.ValElevation))
    return false;
  p.PrintTZCurves = 0;
  if (r.Count() >= 11 && !r.Integer(11, p.PrintTZCurves)) return false;
  if (p.METHOD != 1 && p.METHOD != 2)
    return r.Fail("THE METHOD MUST BE 1 (DESIGN LOAD GIVEN) OR 2 (SHAFT LENGTH GIVEN), FOUND " +
                  Num(p.METHOD) + ".");

  if (!r.Next("SHAFT DIAMETERS, BELL, IGNORED PORTIONS AND MODULUS") || !r.Need(7)) return false;
  if (!r.Real(1, p.DSTART) || !r.Real(2, p.DIALIM) || !r.Real(3, p.RATIO) || !r.Real(4, p.BELANGL) ||
      !r.Real(5, p.TOPLENG) || !r.Real(6, p.BS) || !r.Real(7, p.Ec))
    return false;
  if (!(p.DSTART > 0.0f)) return r.Fail("THE MINIMUM SHAFT DIAMETER MUST BE GREATER THAN ZERO.");
  p.EcInput = p.Ec;

  if (!r.Next("NUMBER OF LAYERS, WATER TABLE, DESIGN LOAD OR DEPTH, FACTORS OF SAFETY") || !r.Need(5)) return false;
  float third = 0.0f;
  int layers = 0;
  if (!r.Integer(1, layers) || !r.Real(2, p.WTD) || !r.Real(3, third) || !r.Real(4, p.FST) ||
      !r.Real(5, p.FSB))
    return false;
  if (layers < 1 || layers > kMaxLayers)
    return r.Fail("THE NUMBER OF LAYERS MUST BE 1 TO " + Num(kMaxLayers) + ", FOUND " +
                  Num(layers) + ".");
  p.NLAYERS = layers;
  if (p.METHOD == 1) p.P = third;
  else p.DGH = third;

  if (p.IPENT >= 1) {
    if (!r.Next("SHAFT LENGTH RANGE") || !r.Need(2) || !r.Real(1, p.PDMIN) || !r.Real(2, p.PDINCR)) return false;
    CompleteLengthRange(p, third, 0.7f);
  }
  if (p.ICHART >= 1) {
    if (!r.Next("DESIGN CHART LENGTHS AND DIAMETERS") || !r.Need(4) || !r.Real(1, p.PDMIN) ||
        !r.Real(2, p.PDINCR) || !r.Real(3, p.DIAMINCR) || !r.Integer(4, p.NPOINTPD))
      return false;
    if (p.NPOINTPD < 0 || p.NPOINTPD > kMaxChartSettlements) {
      const int found = p.NPOINTPD;
      p.NPOINTPD = 0;
      return r.Fail("THE NUMBER OF CHART SETTLEMENTS MUST BE 0 TO " +
                    Num(kMaxChartSettlements) + ", FOUND " +
                    Num(found) + ".");
    }
    if (p.DIAMINCR == 0.0f) p.DIAMINCR = p.IsSI() ? 0.15f : 0.5f;
    CompleteLengthRange(p, third, 0.3f);
    if (!r.Next("DESIGN CHART SETTLEMENTS") || !r.Need(p.NPOINTPD)) return false;
    for (int k = 1; k <= p.NPOINTPD; ++k)
      if (!r.Real(k, p.PDSETT[k])) return false;
  }

  for (int i = 1; i <= layers; ++i)
    if (!ReadLayer(r, p, i)) return false;
  p.NLAYERS = layers + 1;

  if (p.PrintTZCurves == 1) {
    if (!r.Next("NUMBER OF T-Z CURVE DEPTHS") || !r.Need(1) || !r.Integer(1, p.NTZDEP)) return false;
    if (p.NTZDEP < 0 || p.NTZDEP > kMaxTzDepths) {
      const int found = p.NTZDEP;
      p.NTZDEP = 0;
      return r.Fail("THE NUMBER OF T-Z CURVE DEPTHS MUST BE 0 TO " + Num(kMaxTzDepths) +
                    ", FOUND " + Num(found) + ".");
    }
    for (int k = 1; k <= p.NTZDEP; ++k)
      if (!r.Next("T-Z CURVE DEPTH " + Num(k)) || !r.Need(1) || !r.Real(1, p.TZDEP[k]))
        return false;
  }
  return true;
}

bool ReadProblemText(std::string_view text, ProblemRecord& problem, InputError& error) {
  TextLineSource source(text);
  return ReadProblemInput(source, problem, error);
}

}  // namespace tvx

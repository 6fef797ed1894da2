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

// The kinds of quantity of the problem's values: whether a negative value has a meaning and
// the largest magnitude the analysis takes. The bounds are numbers in the file's own units,
// the same in both unit systems: far beyond any drilled shaft in feet or metres, pounds or
// kilonewtons, and low enough that the areas, volumes, capacities and load-settlement
// products formed from them stay within single precision.
enum class Quantity {
  kLength,      // lengths, depths, thicknesses, diameters, slump, settlements
  kIncrement,   // output, length and diameter increments (one not positive is replaced)
  kUnitWeight,  // pcf / kN/m3
  kStrength,    // strengths, psf / kPa
  kSideLimit,   // maximum side friction: 0 (or below 5e-8 tsf) is no limit
  kEndBearing,  // maximum end bearing: 0 is no limit, a negative value a fixed end bearing
  kModulus,     // psi / kPa
  kLoad,        // tons / kN
  kBlowCount,
  kAngle,       // degrees
  kFactor,      // ratios, coefficients, factors of safety and resistance
  kPercent,
};

struct QuantityRule {
  float lowest;
  float largest;
  const char* what;  // the kind's name in a message
};

constexpr float kLargestLength = 1e5f;
constexpr float kLargestUnitWeight = 1e4f;
constexpr float kLargestStress = 1e12f;
constexpr float kLargestLimit = 1e30f;  // a limit above every stress limits nothing
constexpr float kLargestModulus = 1e12f;
constexpr float kLargestLoad = 1e8f;
constexpr float kLargestBlowCount = 1e4f;
constexpr float kLargestAngle = 360.0f;
constexpr float kLargestFactor = 1e3f;

QuantityRule RuleOf(Quantity q) {
  switch (q) {
    case Quantity::kLength: return {0.0f, kLargestLength, "LENGTH"};
    case Quantity::kIncrement: return {-kLargestLength, kLargestLength, "INCREMENT"};
    case Quantity::kUnitWeight: return {0.0f, kLargestUnitWeight, "UNIT WEIGHT"};
    case Quantity::kStrength: return {0.0f, kLargestStress, "STRENGTH"};
    case Quantity::kSideLimit: return {-kLargestLimit, kLargestLimit, "SIDE FRICTION LIMIT"};
    case Quantity::kEndBearing: return {-kLargestStress, kLargestLimit, "END BEARING"};
    case Quantity::kModulus: return {0.0f, kLargestModulus, "MODULUS"};
    case Quantity::kLoad: return {-kLargestLoad, kLargestLoad, "LOAD"};
    case Quantity::kBlowCount: return {0.0f, kLargestBlowCount, "BLOW COUNT"};
    case Quantity::kAngle: return {-kLargestAngle, kLargestAngle, "ANGLE"};
    case Quantity::kFactor: return {-kLargestFactor, kLargestFactor, "FACTOR"};
    case Quantity::kPercent: return {0.0f, 100.0f, "PERCENTAGE"};
  }
  return {0.0f, 0.0f, ""};
}

// An item of a record with a physical meaning: its name as the input and the report call it
// and its kind of quantity.
struct ItemRule {
  const char* name;
  Quantity quantity;
};

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

  // Item `item` (1-based) as a real that must lie within the bounds of its kind.
  bool Value(int item, float& value, const ItemRule& rule) {
    if (!Real(item, value)) return false;
    const QuantityRule q = RuleOf(rule.quantity);
    const std::string named = ItemText(item, rule.name) + Num(value);
    if (value < q.lowest) {
      if (q.lowest == 0.0f)
        return Refuse(named + " IS NEGATIVE; A " + q.what + " CANNOT BE NEGATIVE.");
      return Refuse(named + " IS BELOW " + Num(q.lowest) + ", THE LOWEST " + q.what + " THE ANALYSIS TAKES.");
    }
    if (value > q.largest)
      return Refuse(named + " IS ABOVE " + Num(q.largest) + ", THE LARGEST " + q.what + " THE ANALYSIS TAKES.");
    return true;
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
    fError.refused = false;
    return false;
  }

  // A value read as a number but outside what the analysis takes.
  bool Refuse(const std::string& problem) {
    Fail(problem);
    fError.refused = true;
    return false;
  }

 private:
  static std::string ItemText(int item) { return "ITEM " + Num(item) + ": "; }
  static std::string ItemText(int item, const char* name) { return "ITEM " + Num(item) + ", " + name + " = "; }

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
  ItemRule rule;
};

constexpr LayerItem V(EndValues LayerEntry::*f, const char* name, Quantity q) {
  return {ItemKind::kValue, f, {name, q}};
}
constexpr LayerItem kPlaceholder{ItemKind::kPlaceholder, nullptr, {"", Quantity::kFactor}};
constexpr LayerItem kIcond{ItemKind::kInterfaceCondition, nullptr, {"INTERFACE CONDITION", Quantity::kFactor}};

using Q = Quantity;
constexpr LayerItem kUnitWeightItem = V(&LayerEntry::GAMMA, "TOTAL UNIT WEIGHT", Q::kUnitWeight);
constexpr LayerItem kBlowsItem = V(&LayerEntry::BLOWS, "BLOW COUNT", Q::kBlowCount);
constexpr LayerItem kSideLimitItem = V(&LayerEntry::TRANLM, "MAXIMUM SIDE FRICTION", Q::kSideLimit);
constexpr LayerItem kEndBearingItem = V(&LayerEntry::QMAX, "MAXIMUM END BEARING", Q::kEndBearing);
constexpr LayerItem kSocketItem = V(&LayerEntry::BDS, "SOCKET DIAMETER", Q::kLength);
constexpr LayerItem kRockStrengthItem = V(&LayerEntry::QUR, "ROCK COMPRESSIVE STRENGTH", Q::kStrength);
constexpr LayerItem kRqdItem = V(&LayerEntry::RQD, "RQD", Q::kPercent);

// The items of a parameter line, without the two LRFD factors that close it.
const LayerItem kSandLine[] = {kPlaceholder,
                               kUnitWeightItem,
                               V(&LayerEntry::PHI, "FRICTION ANGLE", Q::kAngle),
                               V(&LayerEntry::IANG, "INTERFACE FRICTION ANGLE", Q::kAngle),
                               kBlowsItem,
                               kSideLimitItem,
                               kEndBearingItem};
const LayerItem kClayLine[] = {V(&LayerEntry::NC, "BEARING CAPACITY COEFFICIENT NC", Q::kFactor),
                               kUnitWeightItem,
                               kPlaceholder,
                               V(&LayerEntry::CU, "COHESION", Q::kStrength),
                               kBlowsItem,
                               kSideLimitItem,
                               kEndBearingItem};
const LayerItem kStrongRockLine[] = {kRockStrengthItem,
                                     V(&LayerEntry::QUCON, "CONCRETE COMPRESSIVE STRENGTH", Q::kStrength),
                                     V(&LayerEntry::CS, "DISCONTINUITY SPACING", Q::kLength),
                                     V(&LayerEntry::DISCT, "DISCONTINUITY THICKNESS", Q::kLength),
                                     kSocketItem,
                                     kSideLimitItem,
                                     V(&LayerEntry::EL, "ELASTIC MODULUS", Q::kModulus),
                                     kRqdItem,
                                     kEndBearingItem};
const LayerItem kWeakRockLine[] = {kRockStrengthItem,
                                   kIcond,
                                   V(&LayerEntry::SLUMP, "CONCRETE SLUMP", Q::kLength),
                                   V(&LayerEntry::PHIRC, "INTERFACE FRICTION ANGLE", Q::kAngle),
                                   kSocketItem,
                                   kSideLimitItem,
                                   V(&LayerEntry::EL, "ELASTIC MODULUS OF THE ROCK CORE", Q::kModulus),
                                   kRqdItem,
                                   kEndBearingItem};
const LayerItem kDecomposedRockLine[] = {kUnitWeightItem,
                                         kBlowsItem,
                                         V(&LayerEntry::POISSON, "POISSON'S RATIO", Q::kFactor),
                                         V(&LayerEntry::EL, "YOUNG'S MODULUS", Q::kModulus),
                                         kSocketItem,
                                         kSideLimitItem,
                                         kEndBearingItem};
const LayerItem kGravelLine[] = {kUnitWeightItem, kBlowsItem, V(&LayerEntry::BETA, "BETA", Q::kFactor),
                                 kSideLimitItem, kEndBearingItem};

const ItemRule kLrfdSideRule{"LRFD RESISTANCE FACTOR (SIDE FRICTION)", Q::kFactor};
const ItemRule kLrfdTipRule{"LRFD RESISTANCE FACTOR (TIP RESISTANCE)", Q::kFactor};

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

// The coefficient of a sand side-friction method, as the report names it.
const char* CoefficientName(int sandMethod) {
  switch (sandMethod) {
    case kKoMethod: return "LATERAL EARTH-PRESSURE COEFFICIENT KO";
    case kBetaMethod: return "SKIN FRICTION COEFFICIENT BETA";
    default: return "PRECONSOLIDATION STRESS EXPONENT M";
  }
}

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
        if (!r.Value(item, atTop ? ends.top : ends.bot, it.rule)) return false;
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
    if (!r.Value(layout.count + 1, layer.FLRFDS, kLrfdSideRule) || !r.Value(layout.count + 2, layer.FLRFDB, kLrfdTipRule))
      return false;
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
    return r.Refuse("THE LAYER BOTTOM LIES DEEPER THAN " + Num(kMaxProfileDepth) + " FT (" +
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
    const ItemRule rule{CoefficientName(layer.sandMethod), Q::kFactor};
    if (!r.Next(LayerName(layerNo, "METHOD COEFFICIENT AT THE TOP AND BOTTOM")) || !r.Need(2) ||
        !r.Value(1, coefficient.top, rule) || !r.Value(2, coefficient.bot, rule))
      return false;
  } else if (IsCohesive(layer.KSOIL)) {
    const ItemRule rule{"ALPHA FACTOR", Q::kFactor};
    if (!r.Next(LayerName(layerNo, "ALPHA AT THE TOP AND BOTTOM")) || !r.Need(2) ||
        !r.Value(1, layer.ALPHA.top, rule) || !r.Value(2, layer.ALPHA.bot, rule))
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

// The control, shaft and profile items.
const ItemRule kUpliftReductionRule{"REDUCTION FACTOR FOR UPLIFT FRICTION", Q::kFactor};
const ItemRule kOutputIncrementRule{"OUTPUT INCREMENT", Q::kIncrement};
const ItemRule kMinDiameterRule{"MINIMUM SHAFT DIAMETER", Q::kLength};
const ItemRule kMaxDiameterRule{"MAXIMUM SHAFT DIAMETER", Q::kLength};
const ItemRule kBellRatioRule{"RATIO BASE/SHAFT DIAMETER", Q::kFactor};
const ItemRule kBellAngleRule{"ANGLE OF BELL", Q::kAngle};
const ItemRule kTopPortionRule{"IGNORED TOP PORTION", Q::kLength};
const ItemRule kBottomPortionRule{"IGNORED BOTTOM PORTION", Q::kLength};
const ItemRule kShaftModulusRule{"ELASTIC MODULUS, Ec", Q::kModulus};
const ItemRule kWaterTableRule{"WATER TABLE DEPTH", Q::kLength};
const ItemRule kDesignLoadRule{"DESIGN LOAD", Q::kLoad};
const ItemRule kShaftLengthRule{"SHAFT LENGTH", Q::kLength};
const ItemRule kSideSafetyRule{"FACTOR OF SAFETY ON SIDE FRICTION", Q::kFactor};
const ItemRule kBaseSafetyRule{"FACTOR OF SAFETY ON BASE CAPACITY", Q::kFactor};
const ItemRule kMinLengthRule{"MINIMUM SHAFT LENGTH", Q::kLength};
const ItemRule kLengthIncrementRule{"SHAFT LENGTH INCREMENT", Q::kIncrement};
const ItemRule kDiameterIncrementRule{"DIAMETER INCREMENT", Q::kIncrement};
const ItemRule kChartSettlementRule{"CHART SETTLEMENT", Q::kLength};
const ItemRule kTzDepthRule{"T-Z CURVE DEPTH", Q::kLength};

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
  if (!r.Integer(1, p.METHOD) || !r.Integer(2, p.KCYCL) || !r.Value(3, p.RCYCL, kUpliftReductionRule) ||
      !r.Value(4, p.PINC, kOutputIncrementRule) ||
      !r.Integer(5, p.IMOD) || !r.Integer(6, p.NLRFD) || !r.Integer(7, p.IPENT) || !r.Integer(8, p.ICHART) ||
      !r.Integer(9, p.UseElevation) || !r.Real(10, p.ValElevation))
    return false;
  p.PrintTZCurves = 0;
  if (r.Count() >= 11 && !r.Integer(11, p.PrintTZCurves)) return false;
  if (p.METHOD != 1 && p.METHOD != 2)
    return r.Fail("THE METHOD MUST BE 1 (DESIGN LOAD GIVEN) OR 2 (SHAFT LENGTH GIVEN), FOUND " +
                  Num(p.METHOD) + ".");

  if (!r.Next("SHAFT DIAMETERS, BELL, IGNORED PORTIONS AND MODULUS") || !r.Need(7)) return false;
  if (!r.Value(1, p.DSTART, kMinDiameterRule) || !r.Value(2, p.DIALIM, kMaxDiameterRule) ||
      !r.Value(3, p.RATIO, kBellRatioRule) || !r.Value(4, p.BELANGL, kBellAngleRule) ||
      !r.Value(5, p.TOPLENG, kTopPortionRule) || !r.Value(6, p.BS, kBottomPortionRule) ||
      !r.Value(7, p.Ec, kShaftModulusRule))
    return false;
  if (!(p.DSTART > 0.0f)) return r.Refuse("THE MINIMUM SHAFT DIAMETER MUST BE GREATER THAN ZERO.");
  p.EcInput = p.Ec;

  if (!r.Next("NUMBER OF LAYERS, WATER TABLE, DESIGN LOAD OR DEPTH, FACTORS OF SAFETY") || !r.Need(5)) return false;
  float third = 0.0f;
  int layers = 0;
  if (!r.Integer(1, layers) || !r.Value(2, p.WTD, kWaterTableRule) ||
      !r.Value(3, third, p.METHOD == 1 ? kDesignLoadRule : kShaftLengthRule) ||
      !r.Value(4, p.FST, kSideSafetyRule) || !r.Value(5, p.FSB, kBaseSafetyRule))
    return false;
  if (layers < 1 || layers > kMaxLayers)
    return r.Fail("THE NUMBER OF LAYERS MUST BE 1 TO " + Num(kMaxLayers) + ", FOUND " +
                  Num(layers) + ".");
  p.NLAYERS = layers;
  if (p.METHOD == 1) p.P = third;
  else p.DGH = third;

  if (p.IPENT >= 1) {
    if (!r.Next("SHAFT LENGTH RANGE") || !r.Need(2) || !r.Value(1, p.PDMIN, kMinLengthRule) ||
        !r.Value(2, p.PDINCR, kLengthIncrementRule))
      return false;
    CompleteLengthRange(p, third, 0.7f);
  }
  if (p.ICHART >= 1) {
    if (!r.Next("DESIGN CHART LENGTHS AND DIAMETERS") || !r.Need(4) || !r.Value(1, p.PDMIN, kMinLengthRule) ||
        !r.Value(2, p.PDINCR, kLengthIncrementRule) || !r.Value(3, p.DIAMINCR, kDiameterIncrementRule) ||
        !r.Integer(4, p.NPOINTPD))
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
      if (!r.Value(k, p.PDSETT[k], kChartSettlementRule)) return false;
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
      if (!r.Next("T-Z CURVE DEPTH " + Num(k)) || !r.Need(1) || !r.Value(1, p.TZDEP[k], kTzDepthRule))
        return false;
  }
  return true;
}

bool ReadProblemText(std::string_view text, ProblemRecord& problem, InputError& error) {
  TextLineSource source(text);
  return ReadProblemInput(source, problem, error);
}

}  // namespace tvx

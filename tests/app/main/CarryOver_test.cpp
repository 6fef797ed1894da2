// Changing a layer's soil type: the new type's fresh parameter table takes the values the
// two types share, each into the row it came from, and nothing else.
#include <gtest/gtest.h>

#include <QStringList>
#include <cctype>
#include <vector>

#include "DialogTestSupport.h"
#include "LayerTableCells.h"
#include "TGridTable.h"
#include "TSoilLayerList.h"

namespace {

// Every cell of the starting table holds 10 (column + 1) + row: 10 and 11 in column 0, 20
// and 21 in column 1 ...
long double Marked(int col, int row) { return 10.0L * (col + 1) + row; }

struct Carried {
  int Column;      // in the new table
  int FromColumn;  // in the old table
};

struct TypeChangeCase {
  const char* Name;
  std::vector<int> Types;  // the starting type, then each type chosen in turn
  std::vector<Carried> Kept;
};

void PrintTo(const TypeChangeCase& c, std::ostream* os) { *os << c.Name; }

class TypeChange : public DialogTest, public ::testing::WithParamInterface<TypeChangeCase> {};

TEST_P(TypeChange, CarriesTheSharedValuesRowByRow) {
  const TypeChangeCase c = GetParam();
  SetLayers({c.Types.front()});
  TGridTable& start = Layer(0);
  for (int col = 0; col < start.ColCount(); ++col)
    for (int row : {kRowTop, kRowBottom}) SetCellNumber(start, col, row, Marked(col, row));

  TSoilLayerList layers(*fTables);
  layers.Load(false);
  for (std::size_t i = 1; i < c.Types.size(); ++i) layers.ChangeSoilType(0, c.Types[i]);

  EXPECT_EQ(layers.Row(0).SoilType, c.Types.back());
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 0), c.Types.back());
  const TGridTable& now = Layer(0);
  EXPECT_EQ(now.Template(), fTables->Template(c.Types.back()));
  for (int col = 0; col < now.ColCount(); ++col) {
    long double top = 0, bottom = 0;
    for (const Carried& k : c.Kept)
      if (k.Column == col) {
        top = Marked(k.FromColumn, kRowTop);
        bottom = Marked(k.FromColumn, kRowBottom);
      }
    EXPECT_EQ(CellNumber(now, col, kRowTop), top) << "column " << col << " top";
    EXPECT_EQ(CellNumber(now, col, kRowBottom), bottom) << "column " << col << " bottom";
  }
}

// Columns: sand 0 unit weight, 1 friction angle, 2 blow counts, 3 Ko, 4 Beta, 5 method,
// 6 interface angle, 7 OCR; clay and shale 0 unit weight, 1 cohesion, 2 blow counts,
// 3 alpha, 4 Nc; strong rock 0 rock strength, 1 concrete strength, 2 spacing, 3 thickness,
// 4 socket diameter, 5 modulus, 6 RQD; decomposed rock 0 unit weight, 1 blow counts,
// 2 Poisson's ratio, 3 Young's modulus, 4 socket diameter; weak rock 0 rock strength,
// 1 interface condition, 2 slump, 3 interface friction angle, 4 socket diameter, 5 modulus,
// 6 RQD; gravelly sand and gravel 0 unit weight, 1 blow counts, 2 Beta.
INSTANTIATE_TEST_SUITE_P(
    Slots, TypeChange,
    ::testing::Values(
        TypeChangeCase{"sand to gravelly sand", {1, 8}, {{0, 0}, {1, 2}, {2, 4}}},
        // Back to sand: unit weight, blow counts and Beta return; Ko, the friction angle,
        // the method and the interface angle are 0.
        TypeChangeCase{"sand to gravelly sand and back", {1, 8, 1}, {{0, 0}, {2, 2}, {4, 4}}},
        TypeChangeCase{"strong rock 4 to 7 keeps all fourteen values",
                       {4, 7},
                       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}},
        // The method of the new sand table is 0: clay has no method.
        TypeChangeCase{"clay to sand", {2, 1}, {{0, 0}, {2, 2}}},
        TypeChangeCase{"clay to shale", {2, 3}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        // Rock slots A and B: Young's modulus to the socket diameter, the socket diameter
        // to the elastic modulus.
        TypeChangeCase{"decomposed rock to strong rock", {5, 4}, {{4, 3}, {5, 4}}},
        TypeChangeCase{"strong rock to decomposed rock", {4, 5}, {{3, 4}, {4, 5}}},
        TypeChangeCase{"weak rock to strong rock", {6, 7}, {{0, 0}, {4, 4}, {5, 5}, {6, 6}}},
        TypeChangeCase{"sand to weak rock", {1, 6}, {{1, 5}, {3, 6}}},
        TypeChangeCase{"weak rock to sand", {6, 1}, {{5, 1}, {6, 3}}},
        TypeChangeCase{"gravel to clay", {9, 2}, {{0, 0}, {2, 1}}},
        TypeChangeCase{"decomposed rock to gravelly sand", {5, 8}, {{0, 0}, {1, 1}}}),
    [](const ::testing::TestParamInfo<TypeChangeCase>& info) {
      std::string name = info.param.Name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// A layer changed from clay to sand has method 0 until its parameters are stored; the file
// writes such a layer with method 3 and the OCR values.
TEST_F(TypeChange, ClayChangedToSandIsWrittenWithMethodThree) {
  SetLayers({kSoilClay});
  TSoilLayerList layers(*fTables);
  layers.Load(false);
  layers.ChangeSoilType(0, kSoilSand);
  EXPECT_EQ(Layer(0).GetIntValue(SandColumn::Method, kRowTop), 0);
  EXPECT_EQ(Layer(0).GetIntValue(SandColumn::Method, kRowBottom), 0);

  const QStringList lines = QString::fromLatin1(Doc().FileText()).split(QStringLiteral("\r\n"));
  const int layerLine = int(lines.indexOf(QStringLiteral("1 10 ")));
  ASSERT_GE(layerLine, 0) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[layerLine + 3], QStringLiteral("3 "));
}

}  // namespace

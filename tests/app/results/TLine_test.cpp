#include "TLine.h"

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

#include "TGraphPlot.h"

namespace {

// A line of the given point count, the points numbered (1, 10), (2, 20), ...
TLine& NumberedLine(TGraphPlot& plot, int count) {
  plot.SetLineCount(1);
  TLine& line = plot.Lines(0);
  line.SetCount(count);
  for (int j = 0; j < count; ++j) line.Point(j) = {j + 1.0L, 10.0L * (j + 1)};
  return line;
}

struct ResizeCase {
  int from;
  int to;
  int expected;
};

std::ostream& operator<<(std::ostream& os, const ResizeCase& c) {
  return os << c.from << " to " << c.to;
}

class LineResizeTest : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(LineResizeTest, KeepsLeadingPointsAndZeroesNewOnes) {
  TGraphPlot plot;
  TLine& line = NumberedLine(plot, GetParam().from);
  line.SetCount(GetParam().to);
  ASSERT_EQ(line.Count(), GetParam().expected);
  for (int j = 0; j < line.Count(); ++j) {
    const TFloatPoint expected =
        j < GetParam().from ? TFloatPoint{j + 1.0L, 10.0L * (j + 1)} : TFloatPoint{0, 0};
    EXPECT_EQ(line.Point(j), expected) << "point " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, LineResizeTest,
                         ::testing::Values(ResizeCase{0, 3, 3}, ResizeCase{3, 5, 5},
                                           ResizeCase{5, 2, 2}, ResizeCase{4, 4, 4},
                                           ResizeCase{4, 0, 0}, ResizeCase{4, -1, 0},
                                           ResizeCase{0, -100, 0}));

TEST(TLine, PointOutsideLine_Throws) {
  TGraphPlot plot;
  TLine& line = NumberedLine(plot, 3);
  EXPECT_NO_THROW(line.Point(2));
  EXPECT_THROW(line.Point(3), std::out_of_range);
  EXPECT_THROW(line.Point(-1), std::out_of_range);
  line.SetCount(0);
  EXPECT_THROW(line.Point(0), std::out_of_range);
}

TEST(TLine, NewLine_VisibleActiveAndOwnedByItsPlot) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  const TLine& line = plot.Lines(0);
  EXPECT_TRUE(line.Visible());
  EXPECT_TRUE(line.Active());
  EXPECT_FALSE(line.HasOwnName());
  EXPECT_EQ(&line.Owner(), &plot);
}

struct NameCase {
  const char* curveName;  // nullptr: the plot's default prefix
  long double value;
  const char* ownName;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const NameCase& c) { return os << '"' << c.expected << '"'; }

class LineNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LineNameTest, OwnNameElsePrefixAndValue) {
  TGraphPlot plot;
  if (GetParam().curveName) plot.SetCurveName(QString::fromLatin1(GetParam().curveName));
  plot.SetLineCount(1);
  TLine& line = plot.Lines(0);
  line.SetValue(GetParam().value);
  line.SetLineName(QString::fromLatin1(GetParam().ownName));
  EXPECT_EQ(line.LineName().toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LineNameTest,
    ::testing::Values(NameCase{nullptr, 3, "", "Curve #3"},
                      NameCase{nullptr, 12, "", "Curve #12"},
                      NameCase{nullptr, 2.5L, "", "Curve #2.5"},
                      NameCase{"Dia ", 1, "", "Dia 1"}, NameCase{"", 7, "", "7"},
                      NameCase{nullptr, 3, "Dia=3 ft", "Dia=3 ft"},
                      NameCase{nullptr, 3, " SAND ", " SAND "},
                      NameCase{"Dia ", 1, "  Skin Friction", "  Skin Friction"}));

TEST(TLine, EmptyOwnName_BringsDefaultNameBack) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  TLine& line = plot.Lines(1);
  line.SetLineName(QStringLiteral("L =50 ft"));
  ASSERT_EQ(line.LineName(), QStringLiteral("L =50 ft"));
  line.SetLineName(QString());
  EXPECT_EQ(line.LineName(), QStringLiteral("Curve #2"));
  EXPECT_FALSE(line.HasOwnName());
}

TEST(TLine, DefaultName_FollowsLaterPrefixChange) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  plot.SetCurveName(QStringLiteral("Line "));
  EXPECT_EQ(plot.Lines(0).LineName(), QStringLiteral("Line 1"));
}

}  // namespace

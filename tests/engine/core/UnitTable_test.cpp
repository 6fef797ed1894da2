// Records written through the unit table: blank records, records to units that are not
// open, and a file's records read back.
#include "UnitTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tvx {
namespace {

TEST(UnitTable, BlankRecordsAreLineEndsOnly) {
  UnitTable units;
  ASSERT_TRUE(units.OpenCapture(kUnitReport));
  units.Write(kUnitReport, "FIRST");
  units.Write(kUnitReport, std::string_view());  // a default view: null data, zero size
  units.WriteEmpty(kUnitReport, 2);
  units.Write(kUnitReport, "");
  units.Write(kUnitReport, "LAST");
  EXPECT_EQ(units.Captured(kUnitReport), "FIRST\n\n\n\n\nLAST\n");
}

TEST(UnitTable, RecordsToUnitsThatAreNotOpenAreIgnored) {
  UnitTable units;
  units.Write(kUnitReport, "LOST");
  units.WriteEmpty(kUnitReport, 3);
  units.Write(kMaxUnit + 1, "OUT OF RANGE");
  units.Write(-1, "OUT OF RANGE");
  EXPECT_FALSE(units.IsOpen(kUnitReport));
  EXPECT_EQ(units.Captured(kUnitReport), "");
}

TEST(UnitTable, WrittenRecordsReadBackWithoutLineEnds) {
  const std::filesystem::path path =
      std::filesystem::path(testing::TempDir()) / "unit-table-records.txt";
  {
    UnitTable units;
    ASSERT_TRUE(units.OpenWrite(kUnitChart, path.string()));
    units.Write(kUnitChart, "  1.0  2.0");
    units.WriteEmpty(kUnitChart);
    units.Write(kUnitChart, "END");
  }
  UnitTable units;
  ASSERT_TRUE(units.OpenRead(kUnitChart, path.string()));
  std::string line;
  for (const char* expected : {"  1.0  2.0", "", "END"}) {
    ASSERT_TRUE(units.ReadLine(kUnitChart, line));
    EXPECT_EQ(line, expected);
  }
  EXPECT_FALSE(units.ReadLine(kUnitChart, line));
  // A unit open for reading takes no records.
  units.Write(kUnitChart, "IGNORED");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace tvx

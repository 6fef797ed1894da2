#include "GetExcelCol.h"

#include <gtest/gtest.h>

namespace {

struct ColumnCase {
  int column;
  const char* letters;
};

TEST(GetExcelCol, LettersOfOneAndTwoLetterColumnsAndNoneBeyond) {
  const ColumnCase cases[] = {
      {1, "A"},   {2, "B"},   {26, "Z"},   {27, "AA"},  {28, "AB"}, {52, "AZ"},
      {53, "BA"}, {676, "YZ"}, {677, "ZA"}, {702, "ZZ"}, {703, ""},  {16384, ""},
      // Columns are counted from 1: nothing before the first.
      {0, ""},    {-1, ""},
  };
  for (const ColumnCase& c : cases)
    EXPECT_EQ(GetExcelCol(c.column), QString::fromLatin1(c.letters)) << c.column;
}

}  // namespace

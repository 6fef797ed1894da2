#pragma once
// What the layer-parameters dialog shows and stores, without its widgets: the value of every
// column of the layer's parameter table in its top and bottom field, and for sand the
// selected side friction method.
//
// Reading takes the table as it is (whole-number columns as whole numbers; the sand method
// from the top row). Writing stores every value back, whole-number columns rounded to the
// nearest whole number; for sand it first stores the method (1 Ko, 2 Beta, 3 otherwise) into
// both rows and clears the values the method does not use.
#include <array>
#include <vector>

class TGridTable;

struct TLayerParameterValues {
  int SoilType = 0;
  // By column of the parameter table: the top and the bottom value.
  std::vector<std::array<long double, 2>> Values;
  // Sand: the selected method, 1 Ko, 2 Beta, 3 Chen and Kulhawy, 0 (or any other value)
  // none selected.
  int Method = 0;

  long double& At(int column, int row) { return Values[std::size_t(column)][std::size_t(row)]; }
  long double At(int column, int row) const {
    return Values[std::size_t(column)][std::size_t(row)];
  }

  static TLayerParameterValues Read(const TGridTable& table, int soilType);
  // Applies the sand method rules to the values (so the fields show what is stored) and
  // writes them into the table.
  void Write(TGridTable& table);
};

#pragma once
// The settlement grid of the design-chart window without its widgets: ten cells, of which
// the number of points shows the first ones. Cells beyond the shown rows keep their texts,
// so lowering and raising the number brings them back.
#include <QString>
#include <array>

class TProgramData;

class TSettlementList {
 public:
  static constexpr int kMaxPoints = 10;

  // Every cell "1", then the first NPOINTPD cells the document's settlements; NPOINTPD rows.
  void Load(const TProgramData& doc);

  int Count() const { return fCount; }
  // A number of points from 1 to 10 shows that many rows; other numbers change nothing.
  bool SetCount(int count);
  // The arrows: one point more below 10, one fewer above 1.
  bool Up() { return fCount < kMaxPoints && SetCount(fCount + 1); }
  bool Down() { return fCount > 1 && SetCount(fCount - 1); }

  const QString& Text(int row) const { return fTexts[std::size_t(row)]; }
  void SetText(int row, const QString& text);

  // NPOINTPD := the number of points, then each shown cell read as a number into PDSETT.
  // A cell that is not a number stops there: the settlements from it on keep their values.
  // Returns the row of that cell, -1 when every cell was stored.
  int Store(TProgramData& doc) const;

  // Heading of the settlement column by unit system.
  static QString SettlementHeading(int units);
  static QString NumberHeading() { return QStringLiteral("N"); }

 private:
  std::array<QString, kMaxPoints> fTexts;
  int fCount = 0;
};

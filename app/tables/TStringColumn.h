#pragma once
// A column of texts, stored as typed, with a default for new rows and a minimum width in
// inches.
#include <QString>
#include <vector>

#include "TColumn.h"

class TStringColumn : public TColumn {
 public:
  static constexpr int kClassId = 4;
  explicit TStringColumn(TGridTable* owner) : TColumn(owner) {}
  int ClassId() const override { return kClassId; }

  const QString& Default() const { return fDefault; }
  void SetDefault(const QString& value) { fDefault = value; }
  long double MinWidth() const { return fMinWidth; }
  void SetMinWidth(long double inches) { fMinWidth = inches; }

  QString GetStringValue(int row) const override;
  void SetStringValue(int row, const QString& text) override;

  int PreferredWidth(int dpi, const TTextWidth& textWidth) const override;
  void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const override;
  void ReadFrom(TStreamReader& reader) override;
  std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const override;

 protected:
  void InsertValues(int at, int count) override;
  void EraseValue(int row) override;

 private:
  QString fDefault;
  long double fMinWidth = 1;
  std::vector<QString> fValues;
};

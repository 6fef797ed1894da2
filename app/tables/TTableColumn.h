#pragma once
// A column whose cells each hold a whole sub-table: a copy of the template chosen by the
// row's value in the owning table's first column (entry value - 1 when that column is an
// enumeration, else entry 0). Without a template the table's OnInitRow hook may supply an
// object of its own. When the first column's value of a row changes, the row's sub-table is
// replaced by a fresh copy of the new template. Sub-tables are numbered ID = row + 1.
#include <QObject>
#include <memory>
#include <vector>

#include "TColumn.h"
#include "TGridTableList.h"

class TTableColumn : public TColumn {
 public:
  static constexpr int kClassId = 3;
  explicit TTableColumn(TGridTable* owner);
  ~TTableColumn() override;
  int ClassId() const override { return kClassId; }

  const TGridTableList& Templates() const { return fTemplates; }
  TGridTableList& Templates() { return fTemplates; }
  void SetTemplates(const TGridTableList& templates) { fTemplates = templates; }

  TGridTable* GetDataValue(int row) const override;
  QObject* GetObjValue(int row) const override;
  // The row's cell made anew from its template (the previous sub-table is discarded).
  void ReplaceRow(int row);

  bool Changed() const override;
  void Hide() override;
  void ResetChanged() override;
  void SetUnits(int from, int to) override;
  int PreferredWidth(int dpi, const TTextWidth& textWidth) const override;
  void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const override;
  void ReadFrom(TStreamReader& reader) override;
  bool HasControl() const override { return true; }
  std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const override;

  // The caption of the row's button: "row + 1: caption of the sub-table".
  QString ButtonCaption(int row) const;
  // Opens the row's sub-table (modally when the owning table's window is modal), or tells
  // the OnButtonClick hook about the row's object.
  void ButtonClick(int row);

  // After ReadFrom: whether the older form was read, and its single template identifier.
  bool ReadInOlderForm() const { return fReadOlderForm; }
  int OlderTemplate() const { return fOlderTemplate; }

 protected:
  void InsertValues(int at, int count) override;
  void EraseValue(int row) override;
  QWidget* NewControl(QWidget* parent, int row) override;
  void ShowValueInControl(QWidget* control, int row) override;

 private:
  struct TCell {
    std::unique_ptr<TGridTable> Table;
    std::unique_ptr<QObject> Object;
  };
  TCell MakeCell(int row) const;
  void Renumber(int from);

  TGridTableList fTemplates;
  std::vector<TCell> fCells;
  bool fReadOlderForm = false;
  int fOlderTemplate = -1;
};

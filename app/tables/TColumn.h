#pragma once
// One column of a grid table: a list of cells (one TData per row) with headings, a visible
// flag and the SameGroup rule (all rows of a row group share one value). The column kinds
// hold the values and override the typed accessors they support; the others raise
// "Data of wrong type".
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "TColumnStreamForm.h"
#include "TData.h"

class QObject;
class TGridTable;
class TStreamReader;
class TStreamWriter;

// Width of a text in pixels, as the window's font draws it.
using TTextWidth = std::function<int(const QString&)>;

class TColumn {
 public:
  explicit TColumn(TGridTable* owner);
  virtual ~TColumn();
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;

  // The class identifier in the column-class registry (0 enumeration ... 4 string).
  virtual int ClassId() const = 0;
  TGridTable* Owner() const { return fOwner; }

  // Rows. Inserted rows take the column's default.
  virtual void InsertRows(int at, int count);
  virtual void DeleteRow(int row);
  int Count() const { return int(fData.size()); }
  TData* Data(int row) const;
  int RowOf(const TData* data) const;

  // Headings: one line per heading row; the shown lines may differ (a unit is added).
  const QStringList& Heading() const { return fHeading; }
  void SetHeading(const QStringList& lines) { fHeading = lines; }
  virtual int DisplayHeadingCount() const;
  virtual QString GetDisplayHeadings(int line) const;

  // Typed access by row.
  virtual TGridTable* GetDataValue(int row) const;
  virtual long double GetFloatValue(int row) const;
  virtual void SetFloatValue(int row, long double value);
  virtual int GetIntValue(int row) const;
  virtual void SetIntValue(int row, int value);
  virtual QObject* GetObjValue(int row) const;
  virtual QString GetStringValue(int row) const;
  // Text entry; a refused entry raises EAssignError and leaves the value alone.
  virtual void SetStringValue(int row, const QString& text);

  virtual bool Changed() const { return false; }
  // The row group of the owning table (1 when the column has no owner to ask).
  virtual int RowGroup() const;
  // Hides windows opened from the column's cells.
  virtual void Hide() {}
  virtual void ResetChanged() {}
  // Preferred width in pixels at `dpi` pixels per inch.
  virtual int PreferredWidth(int dpi, const TTextWidth& textWidth) const;
  // Converts the values from one unit system to another.
  virtual void SetUnits(int from, int to);

  // Stream: everything after the class identifier.
  virtual void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const;
  virtual void ReadFrom(TStreamReader& reader);

  // In-cell controls (drop-down lists, sub-table buttons).
  virtual bool HasControl() const { return false; }
  void AllocateControls(QWidget* parent, int topRow, int count);
  void ReleaseControls();
  bool ControlsAllocated() const { return fAllocated; }
  QWidget* ControlOfRow(int row) const;
  const std::vector<QPointer<QWidget>>& Controls() const { return fControls; }

  // A new column of the same kind and parameters, without rows, for `newOwner`.
  virtual std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const = 0;

  bool SameGroup() const { return fSameGroup; }
  void SetSameGroup(bool value) { fSameGroup = value; }
  bool Visible() const { return fVisible; }
  void SetVisible(bool value) { fVisible = value; }

  std::function<void(TColumn*, int)> OnCellChange;
  std::function<void(TColumn*, int)> OnEnterControl;
  std::function<int()> OnGetRowGroup;

 protected:
  // Kind-specific storage of rows [at, at + count).
  virtual void InsertValues(int at, int count) = 0;
  virtual void EraseValue(int row) = 0;
  // The control of one row (kinds with HasControl).
  virtual QWidget* NewControl(QWidget* parent, int row);
  // Shows the row's current value in its control, when it has one.
  void RefreshControl(int row);
  virtual void ShowValueInControl(QWidget* control, int row);

  // The rows that take a value written to `row`: its whole row group for SameGroup.
  std::pair<int, int> RowsSharing(int row) const;
  void CheckRow(int row) const;
  void CellChanged(int row);
  void CopyBaseTo(TColumn& other) const;
  [[noreturn]] static void WrongType();

  TGridTable* fOwner;
  std::vector<std::unique_ptr<TData>> fData;
  QStringList fHeading;
  bool fSameGroup = false;
  bool fVisible = true;

 private:
  std::vector<QPointer<QWidget>> fControls;
  QPointer<QWidget> fControlParent;
  bool fAllocated = false;
  int fControlTop = 0;
};

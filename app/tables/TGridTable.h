#pragma once
// The program's editable table: a list of typed columns sharing one row count, with row
// limits, rows added and removed in groups, unit-aware real columns, and table columns whose
// cells each hold a sub-table copied from a template chosen by the row's first (enumeration)
// column. Every grid table is listed in one process-wide registry in creation order and
// bears a unique Identifier, by which table columns name their templates.
//
// A table is defined in code (AddColumn and the column setters) or read from a table
// definition (TTableResource); it can be shown in its editing window (TTableForm).
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "TColumn.h"

class TTableForm;

class TGridTable {
 public:
  // A new table: MinRows 1, MaxRows 0, RowGroup 1, the unit system of `ownerTable` (1 when
  // there is none) and the next free Identifier.
  explicit TGridTable(TGridTable* ownerTable = nullptr);
  ~TGridTable();
  TGridTable(const TGridTable&) = delete;
  TGridTable& operator=(const TGridTable&) = delete;

  // The sub-table of a cell: a copy of `source` (caption, comments, corner text, help
  // picture, row limits and row group, cloned columns) owned by `owner`, with ID `id` and
  // as many default rows as its minimum.
  static std::unique_ptr<TGridTable> CreateCopy(TGridTable* owner, int id,
                                                const TGridTable& source);

  // Every grid table in creation order; the table bearing `identifier`, or none.
  static const std::vector<TGridTable*>& Registry();
  static TGridTable* FindByIdentifier(int identifier);

  // Columns. A new column gets as many default rows as the table has.
  TColumn* AddColumn(int classId);
  TColumn* InsertColumn(int index, int classId);
  TColumn* ReplaceColumn(int index, int classId);
  void DeleteColumn(int index);
  template <class TKind>
  TKind* AddColumn() {
    return static_cast<TKind*>(AddColumn(TKind::kClassId));
  }
  TColumn* GetColumn(int index) const;
  template <class TKind>
  TKind* Column(int index) const {
    return dynamic_cast<TKind*>(GetColumn(index));
  }
  int IndexOf(const TColumn* column) const;
  int ColCount() const { return int(fColumns.size()); }
  // Replaces every column by those of `columns` (used by the column stream).
  void SetColumns(std::vector<std::unique_ptr<TColumn>> columns);

  // Rows. Setting RowCount grows or shrinks every column to exactly that many rows (never
  // below 0) and does not look at MaxRows; only the editing window's buttons do.
  int RowCount() const { return fRowCount; }
  void SetRowCount(int count);
  void AddRowGroup();
  void InsertRowGroup(int row);
  void DeleteRowGroup(int row);
  bool CellExists(int col, int row) const;

  // Cells. Out-of-range cells raise ETableError "Index out of bounds"; a typed access the
  // column kind does not support raises "Data of wrong type"; refused text entry raises
  // EAssignError.
  TData* GetData(int col, int row) const;
  long double GetFloatValue(int col, int row) const;
  void SetFloatValue(int col, int row, long double value);
  int GetIntValue(int col, int row) const;
  void SetIntValue(int col, int row, int value);
  QString GetStringValue(int col, int row) const;
  void SetStringValue(int col, int row, const QString& text);
  TGridTable* GetDataValue(int col, int row) const;
  QObject* GetObjValue(int col, int row) const;

  // The largest number of heading lines among the visible columns.
  int HeadingRows() const;
  bool HasVisibleColumns() const;

  // Changed: the table's own flag or a change reported by a column (a sub-table's).
  bool Changed() const;
  void SetChanged(bool value);
  void ResetChanged();

  // Unit system (1 English, 2 SI). A different system converts every real value by its
  // column's unit string and is passed to the sub-tables; the same system does nothing.
  int Units() const { return fUnits; }
  void SetUnits(int units);

  // Row number inside the owning table (0 for a top-level table).
  int ID() const { return fID; }
  void SetID(int id) { fID = id; }
  TGridTable* OwnerTable() const { return fOwnerTable; }
  // The template this table was copied from (none for a table defined on its own).
  const TGridTable* Template() const { return fTemplate; }
  // Caption followed by the IDs of the owning sub-tables and this one: "Sand Layer Data 3".
  QString FullCaption() const;

  const QString& Name() const { return fName; }
  void SetName(const QString& name) { fName = name; }
  const QString& Caption() const { return fCaption; }
  void SetCaption(const QString& caption) { fCaption = caption; }
  const QString& Comments() const { return fComments; }
  void SetComments(const QString& comments) { fComments = comments; }
  bool HardwiredButton() const { return fHardwiredButton; }
  void SetHardwiredButton(bool value) { fHardwiredButton = value; }
  int Identifier() const { return fIdentifier; }
  // Another table that bears `identifier` takes this table's old identifier.
  void SetIdentifier(int identifier);
  int MinRows() const { return fMinRows; }
  // Raises ETableError "Value must be greater than 0" for a value below 1.
  void SetMinRows(int value);
  int MaxRows() const { return fMaxRows; }
  void SetMaxRows(int value) { fMaxRows = value; }
  int RowGroup() const { return fRowGroup; }
  void SetRowGroup(int value) { fRowGroup = value < 1 ? 1 : value; }
  const QString& TopLeft() const { return fTopLeft; }
  void SetTopLeft(const QString& text) { fTopLeft = text; }
  const QPixmap& HelpPicture() const { return fHelpPicture; }
  void SetHelpPicture(const QPixmap& picture) { fHelpPicture = picture; }
  // The resource path the help picture was loaded from (kept for writing definitions).
  const QString& HelpPicturePath() const { return fHelpPicturePath; }
  void SetHelpPicturePath(const QString& path);
  QWidget* FormParent() const { return fFormParent; }
  void SetFormParent(QWidget* parent) { fFormParent = parent; }
  QWidget* ColControlParent() const { return fColControlParent; }
  // Raises ETableError when a column still has its in-cell controls.
  void SetColControlParent(QWidget* parent);

  // The editing window.
  void Show();
  int ShowModal();
  void Hide();
  bool IsModal() const;
  bool FormVisible() const;
  int FormWidth() const;
  int FormHeight() const;
  // Rebuilds an open window (hides and shows it again).
  void Update();
  // Closes an open window.
  void Updater();
  TTableForm* Form() const;

  // Where non-embedded, non-modal windows are shown: the main window sets a host that
  // adopts them as its child windows; without one they are top-level windows.
  using TFormHost = std::function<void(QWidget* form)>;
  static void SetFormHost(TFormHost host);
  static const TFormHost& FormHost();

  // Events.
  std::function<void()> OnMajorChange;
  std::function<void(int col, int row)> OnCellChange;
  std::function<void()> OnResize;
  // Hooks for table-column cells that hold an object of the caller's instead of a table.
  // The cell owns the object OnInitRow supplies.
  std::function<QObject*(int col, int row)> OnInitRow;
  std::function<void(QObject* object, int row)> OnSetRow;
  std::function<void(QObject* object, int row)> OnButtonClick;
  std::function<QString(QObject* object, int row)> OnGetButtonCaption;
  std::function<bool(QObject* object)> OnGetChanged;
  std::function<void(QObject* object)> OnResetChanged;
  std::function<void(QObject* object)> OnHide;
  std::function<void(QObject* object, int units)> OnSetUnits;

  // Called by the first column when a row's enumeration value changes: the table columns
  // replace the row's sub-table.
  void FirstColumnChanged(int row);
  // Called by a column when a control of a cell was used.
  void ControlUsed(int col, int row);

 private:
  friend class TTableForm;
  void AttachForm(TTableForm* form);
  void DetachForm(TTableForm* form);
  void WireColumn(TColumn* column);
  void InsertRows(int at, int count);
  void DeleteRow(int row);
  void KeepTopDepthPairs(int from, int to);
  void MajorChange();
  void RefreshForm();
  TColumn* CheckedColumn(int col) const;

  int fID = 0;
  QString fName;
  QString fCaption;
  bool fChanged = false;
  QString fComments;
  bool fHardwiredButton = false;
  int fIdentifier = 0;
  int fMinRows = 1;
  int fMaxRows = 0;
  int fRowCount = 0;
  int fRowGroup = 1;
  QString fTopLeft;
  int fUnits = 1;
  QPointer<QWidget> fFormParent;
  QPointer<QWidget> fColControlParent;
  QPixmap fHelpPicture;
  QString fHelpPicturePath;
  std::vector<std::unique_ptr<TColumn>> fColumns;
  QPointer<TTableForm> fForm;
  TGridTable* fOwnerTable = nullptr;
  const TGridTable* fTemplate = nullptr;
};

#pragma once
// The parameters of one layer (a modal dialog, "Data for Layer n"): one page per parameter
// table, of which only the page serving the layer's soil type is shown, with a top and a
// bottom field per parameter. The fields load from the layer's parameter table when the
// dialog opens and store into it when it closes (TLayerParameterValues); a refused entry,
// or the Ko method without a Ko value, keeps the dialog open.
#include <QDialog>
#include <array>
#include <vector>

#include "LayerParameterPages.h"
#include "TLayerParameterValues.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class TDataEdit;

class TDlgSoils : public QDialog {
  Q_OBJECT

 public:
  explicit TDlgSoils(QWidget* parent = nullptr);

  // Shows layer `layerRow` (0-based row of D) as a layer of `soilType` and runs the dialog.
  int Execute(int layerRow, int soilType);

  // Loading and storing: activation shows the page of the type and the table's values; the
  // write-back stores them (false when the focused field refuses its entry).
  void FormActivate(int layerRow, int soilType);
  bool FormDeactivate();

  // Controls.
  QTabWidget* Pages() const { return fTabs; }
  int CurrentPage() const { return fPage; }
  QLabel* TitleLabel(int page) const { return fPages[std::size_t(page)].Title; }
  // The top / bottom field of field `index` of a page (none for the interface condition).
  TDataEdit* TopEntry(int page, int index) const;
  TDataEdit* BottomEntry(int page, int index) const;
  QLabel* FieldLabel(int page, int index) const;
  // The weak-rock interface condition, top and bottom.
  QComboBox* ConditionBox(int row) const { return fCondition[std::size_t(row)]; }
  // The sand method buttons: 1 Ko, 2 Beta, 3 Chen and Kulhawy.
  QRadioButton* MethodButton(int method) const;
  // The hidden sand interface-angle fields, top and bottom.
  TDataEdit* InterfaceAngleEntry(int row) const { return fInterfaceAngle[std::size_t(row)]; }
  const std::vector<QLabel*>& Notes(int page) const { return fPages[std::size_t(page)].Notes; }

  // Handlers.
  void MethodClick(int method);
  void CopyClick();
  void CloseClick();

 protected:
  void done(int result) override;

 private:
  struct TFieldControls {
    const TParameterField* Field;
    QLabel* Label = nullptr;
    TDataEdit* Top = nullptr;
    TDataEdit* Bottom = nullptr;
  };
  struct TPageControls {
    QWidget* Page = nullptr;
    QLabel* Title = nullptr;
    std::vector<TFieldControls> Fields;
    std::vector<QLabel*> Notes;
  };

  QWidget* BuildPage(int page);
  void ShowValues(const TLayerParameterValues& values);
  TLayerParameterValues ValuesShown() const;
  int SelectedMethod() const;
  void SelectMethod(int method);
  void UpdateSandFields();
  std::vector<TDataEdit*> PageEntries() const;
  // Sand with the Ko method needs a Ko value: false (told) when both are 0.
  bool KoGiven();

  QTabWidget* fTabs;
  std::array<TPageControls, kParameterPageCount> fPages;
  std::array<QComboBox*, 2> fCondition{};
  std::array<TDataEdit*, 2> fInterfaceAngle{};
  QButtonGroup* fMethods = nullptr;
  int fLayerRow = -1;
  int fSoilType = 0;
  int fPage = -1;
  TLayerParameterValues fValues;
};

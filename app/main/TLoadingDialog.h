#pragma once
// The shared layout of the shaft-length and design-load windows, the two alternatives of
// the computation method: one numeric field (the length or the load) over the group "Type of
// Loading" with Compression, Uplift and the reduction factor for uplift loading.
#include "TInputDialog.h"

class QRadioButton;

class TLoadingDialog : public TInputDialog {
  Q_OBJECT

 public:
  QRadioButton* OptStatic() const { return fStatic; }
  QRadioButton* OptCyclic() const { return fCyclic; }
  TDataEdit* deRCYCL() const { return fReduction; }
  // The length or the load.
  TDataEdit* MainEntry() const { return fMain; }

  // The option buttons: Compression, Uplift.
  void OptStaticClick();
  void OptCyclicClick();

 protected:
  TLoadingDialog(TChildKind kind, const QString& caption, const TDocumentField& mainField,
                 bool reductionFollowsLoading, QWidget* parent);

  void LoadValues() override;
  bool StoreValues() override;
  void UpdateEnabling() override;

  // The document value of the main field, and its write-back rule.
  virtual long double MainValue() const = 0;
  virtual void StoreMainValue(long double value) = 0;

 private:
  TDataEdit* fMain;
  QRadioButton* fStatic;
  QRadioButton* fCyclic;
  TDataEdit* fReduction;
  bool fReductionFollowsLoading;
};

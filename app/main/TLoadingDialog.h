#pragma once
// The shared window of the shaft-length and design-load windows, the two alternatives of
// the computation method: one numeric field (the length or the load) over the group "Type of
// Loading" with Compression, Uplift and the reduction factor for uplift loading.
#include "TInputDialog.h"

class QRadioButton;

// What makes one of the two windows: its field, the document value the field shows, the
// write-back rule that keeps the other alternative at 0, and whether the reduction factor
// is in use only for uplift.
struct TLoadingAlternative {
  const TDocumentField& Field;
  long double TProgramData::*Value;
  void (*Store)(TProgramData& doc, long double value);
  bool ReductionFollowsLoading;
};

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
  TLoadingDialog(TChildKind kind, const QString& caption, const TLoadingAlternative& alternative,
                 QWidget* parent);

  void LoadValues() override;
  bool StoreValues() override;
  void UpdateEnabling() override;

 private:
  TLoadingAlternative fAlternative;
  TDataEdit* fMain;
  QRadioButton* fStatic;
  QRadioButton* fCyclic;
  TDataEdit* fReduction;
};

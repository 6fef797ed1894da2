#include "TfrmPenetration.h"

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TProgramData.h"

TfrmPenetration::TfrmPenetration(QWidget* parent)
    : TLoadingDialog(TChildKind::cPP, DialogText::ShaftLengthCaption(),
                     InputDialogFields::ShaftLength(), true, parent) {}

long double TfrmPenetration::MainValue() const { return Doc().PD; }

void TfrmPenetration::StoreMainValue(long double value) {
  InputDialogRules::StoreShaftLength(Doc(), value);
}

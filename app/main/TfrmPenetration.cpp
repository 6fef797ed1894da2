#include "TfrmPenetration.h"

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TProgramData.h"

TfrmPenetration::TfrmPenetration(QWidget* parent)
    : TLoadingDialog(TChildKind::cPP, DialogText::ShaftLengthCaption(),
                     {InputDialogFields::ShaftLength(), &TProgramData::PD,
                      &InputDialogRules::StoreShaftLength, true},
                     parent) {}

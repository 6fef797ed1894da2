#include "TfrmSafetyFactor.h"

#include "DialogTexts.h"
#include "InputDialogFields.h"

TfrmSafetyFactor::TfrmSafetyFactor(QWidget* parent)
    : TInputDialog(TChildKind::SP, DialogText::SafetyFactorCaption(), parent) {
  LayOutFields(InputDialogFields::SafetyFactors());
}

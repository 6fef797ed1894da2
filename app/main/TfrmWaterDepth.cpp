#include "TfrmWaterDepth.h"

#include "DialogTexts.h"
#include "InputDialogFields.h"

TfrmWaterDepth::TfrmWaterDepth(QWidget* parent)
    : TInputDialog(TChildKind::PI, DialogText::WaterTableCaption(), parent) {
  LayOutFields(InputDialogFields::WaterTable());
}

#include "TfrmDesignLoad.h"

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TProgramData.h"

// The reduction factor stays in use whatever loading is chosen.
TfrmDesignLoad::TfrmDesignLoad(QWidget* parent)
    : TLoadingDialog(TChildKind::ncPP, DialogText::DesignLoadCaption(),
                     {InputDialogFields::DesignLoad(), &TProgramData::LPD,
                      &InputDialogRules::StoreDesignLoad, false},
                     parent) {}

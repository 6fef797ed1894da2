#include "InputDialogs.h"

#include "TDlgOptions.h"
#include "TDlgSoilLayers.h"
#include "TdlgTitle.h"
#include "TfrmDesignCharts.h"
#include "TfrmDesignLoad.h"
#include "TfrmPenetration.h"
#include "TfrmSafetyFactor.h"
#include "TfrmShaftpeneta.h"
#include "TfrmVaryLength.h"
#include "TfrmWaterDepth.h"

TChildForm* MakeInputDialog(TChildKind kind, const TDialogHost& host, QWidget* parent) {
  switch (kind) {
    case TChildKind::Title:
      return new TdlgTitle(parent);
    case TChildKind::DSP:
      return new TfrmShaftpeneta(parent);
    case TChildKind::Options:
      return new TDlgOptions(host, parent);
    case TChildKind::ncPP:
      return new TfrmDesignLoad(parent);
    case TChildKind::cPP:
      return new TfrmPenetration(parent);
    case TChildKind::PI:
      return new TfrmWaterDepth(parent);
    case TChildKind::SP:
      return new TfrmSafetyFactor(parent);
    case TChildKind::SoilLayers:
      return new TDlgSoilLayers(parent);
    case TChildKind::ncvary:
      return new TfrmVaryLength(parent);
    case TChildKind::ncchart:
      return new TfrmDesignCharts(parent);
    case TChildKind::Side:
    case TChildKind::TZ:
    case TChildKind::Soil:
    case TChildKind::Block:
      return nullptr;
  }
  return nullptr;
}

bool IsInputDialogKind(TChildKind kind) {
  switch (kind) {
    case TChildKind::Side:
    case TChildKind::TZ:
    case TChildKind::Soil:
    case TChildKind::Block:
      return false;
    default:
      return true;
  }
}

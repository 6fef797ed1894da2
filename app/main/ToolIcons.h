#pragma once
// The toolbar's icons, drawn as vector shapes on a 24 x 24 grid so that they stay sharp at
// every size and screen resolution; disabled icons are the style's greyed form.
#include <QIcon>

enum class TToolIcon {
  NewFile,
  OpenFile,
  SaveFile,
  Title,
  DrilledShaft,
  SoilLayers,
  FactorOfSafety,
  Run,
  ViewOutput,
  Elevation,
  View3D,
  CombinedUltimate,
  CombinedDesign,
  LoadSettlement,
  TzCurves,
  QwCurves,
};

QIcon ToolIcon(TToolIcon icon);

#pragma once
// What the 3D view shows: the parts of the scene, the labels, and the result diagrams along
// the shaft with their choice of plot and their size.

// The plot the diagrams are taken from.
enum TUltimateResults { kUltimateEffects = 0, kDesignEffects = 1 };

struct TBlockOptions {
  bool ShowShaft = true;
  bool ShowWaterLevel = true;
  bool ShowSoilLayers = true;
  bool ShowSoilLayerLabels = false;       // drawn only while the soil layers are
  bool ShowSoilLayerDepthLabels = false;  // drawn only while the soil layers are
  bool ShowLocalAxes = true;
  bool ShowUltimateEffects = false;
  bool ShowSkinFriction = true;
  bool ShowTipResistance = true;
  bool ShowTotalCapacity = true;
  bool ShowUltimateEffectsValues = false;
  int ShowUltimateResults = kUltimateEffects;
  long double UltimateEffectsFactor = 1;
};

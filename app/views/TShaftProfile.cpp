#include "TShaftProfile.h"

#include "DocumentSettings.h"
#include "TProgramData.h"

TShaftProfile ShaftProfileFrom(const TProgramData& document) {
  TShaftProfile p;
  p.DSTART = document.DSTART;
  p.RATIO = document.RATIO;
  p.BELANGL = document.BELANGL;
  p.TOPLENG = document.TOPLENG;
  p.BS = document.BS;
  p.PD = document.PD;
  p.WTD = document.WTD;
  p.METHOD = document.METHOD;
  p.Units = document.Units();
  p.UseElevation = document.UseElevation;
  p.ValElevation = document.ValElevation;
  p.Layers = SoilLayersFrom(document.Tables());
  return p;
}

#pragma once
// The input windows the main window registers: one call makes the child window of a kind.
//
// Child windows (TChildForm): Title, DSP (drilled-shaft properties), Options (control
// options), ncPP (design load), cPP (shaft length), PI (water table), SP (factor of safety),
// SoilLayers (the soil-layer editor), ncvary (multiple shaft lengths), ncchart (design
// charts). The layer-parameters dialog (Soil) is opened by the soil-layer editor, and the
// option of printing t-z curves (TZ) is a modal dialog: ShowTZPrintOptions.
#include "TChildForm.h"
#include "TDialogHost.h"
#include "TDlgTZPrint.h"

// The input window of `kind`, or none for the kinds that are not input windows (the views)
// or not child windows (Soil, TZ).
TChildForm* MakeInputDialog(TChildKind kind, const TDialogHost& host, QWidget* parent = nullptr);

// Whether MakeInputDialog makes a window of `kind`.
bool IsInputDialogKind(TChildKind kind);

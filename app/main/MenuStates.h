#pragma once
// The enabled and checked states of the Data and Computation menus, worked out from the
// document and the files beside it each time a menu opens. (The Graphics menu has its own
// rule, GraphicsMenuState.)
#include <QString>

class TProgramData;

struct TDataMenuState {
  bool EnglishChecked = false;       // "&English Units (lbs, ft, in)"
  bool SIChecked = false;            // "&SI Units (kN, m)"
  bool ASDChecked = false;           // "ASD (Allowable Stress Design)"
  bool LRFDChecked = false;          // "LRFD (Load Resistance Factor Design)"
  bool FactorOfSafetyEnabled = false;
  bool ShaftLengthChecked = false;   // "Specify the shaft length": METHOD 2
  bool DesignLoadChecked = false;    // "Specify the design load": METHOD 1
  bool MultipleLengthsEnabled = false;
  bool MultipleLengthsChecked = false;
  bool DesignChartsEnabled = false;
  bool DesignChartsChecked = false;
};

// Factor of safety only for allowable-stress design. With the design load given (METHOD 1)
// neither several lengths nor design charts can be evaluated, whatever the file said;
// otherwise each carries its check mark and is offered only while the other is off.
TDataMenuState DataMenuState(const TProgramData& document);

struct TComputationMenuState {
  bool EditInputEnabled = false;     // the document file exists
  bool EditRunNotesEnabled = false;  // the ".tv8r" file exists
  bool EditOutputEnabled = false;    // the ".tv8o" file exists
};
TComputationMenuState ComputationMenuState(const QString& documentFile);

// The document's file with its extension replaced by `extension` (".tv8o" ...).
QString RunFilePath(const QString& documentFile, const QString& extension);

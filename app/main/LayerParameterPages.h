#pragma once
// The pages of the layer-parameters dialog: one page per parameter table, with its tab
// caption, the soil types it serves, its title by type, its numbered fields (each editing
// one column of the table, in a top and a bottom field) and its notes; and the rules of the
// sand page, where the side friction method decides which fields are in use.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

enum class TParameterKind {
  Real,                // a real; the label carries the column's unit
  WholeNumber,         // blow counts
  InterfaceCondition,  // weak rock: a drop-down of 1, 2, 3, 4
};

struct TParameterField {
  const char* Label;
  int Column;
  TParameterKind Kind = TParameterKind::Real;
};

enum TParameterPageIndex {
  kPageSand,
  kPageClay,
  kPageRock,
  kPageDecomposedRock,
  kPageWeakRock,
  kPageGravel,
};
inline constexpr int kParameterPageCount = 6;

struct TParameterPage {
  const char* TabCaption;
  std::vector<int> SoilTypes;
  std::vector<TParameterField> Fields;
  QStringList Notes;
};

const std::array<TParameterPage, kParameterPageCount>& ParameterPages();
// The page that serves `soilType`, -1 for a type without parameters.
int ParameterPageOf(int soilType);
// The title label of the page for `soilType`.
QString ParameterPageTitle(int soilType);

// The interface-condition choices of the weak-rock page.
QStringList InterfaceConditionChoices();

// Sand: which fields and notes a selected side friction method puts in use (1 Ko, 2 Beta,
// 3 Chen and Kulhawy; any other value: none selected).
struct TSandMethodState {
  bool KoEnabled = false;
  bool BetaEnabled = false;
  bool MEnabled = false;
  bool InterfaceAngleEnabled = false;
  bool BetaEstimateNote = false;
  bool IgnoreFrictionNote = false;
  bool MNote = false;
  bool EstimateFrictionNote = false;
};
TSandMethodState SandMethodState(int method);
// The method stored for a selection: 1 Ko, 2 Beta, 3 otherwise.
int SandMethodToStore(int selected);
// The sand columns a stored method does not use, which the store clears.
std::vector<int> SandColumnsUnused(int storedMethod);

// The notes of the sand page in order, and which of them each is.
enum TSandNote {
  kSandNoteBetaEstimate,
  kSandNoteM,
  kSandNoteIgnoreFriction,
  kSandNoteEstimateFriction,
};

#pragma once
// A child window of the main window: an input dialog, the soil-layer editor or a shaft
// view. The main window makes each kind at most once (its flag, such as TitleExists, tells
// whether the window exists), shows it in the main window's area, and tells it when it
// becomes the active child, when it loses that, and when the unit system changes. A child
// holds no values of its own between activations: it loads its controls from the document
// when it is activated and stores them into the document when it is deactivated or closed,
// so the document is current whenever a command reads it.
#include <QWidget>

// One kind per flag of the main window.
enum class TChildKind {
  Title,       // TitleExists: project title
  DSP,         // DSPExists: drilled-shaft properties
  Options,     // OptionsExists: control options
  ncPP,        // ncPPExists: design load
  cPP,         // cPPExists: shaft length
  PI,          // PIExists: water table
  SP,          // SPExists: factor of safety
  Side,        // SideExists: elevation view
  TZ,          // TZExists: t-z print options
  SoilLayers,  // SoilLayersExists: soil-layer editor
  Soil,        // SoilExists: parameters of one layer
  Block,       // BlockExists: 3D view
  ncvary,      // ncvaryExists: multiple shaft lengths
  ncchart,     // ncchartExists: design charts
};
inline constexpr int kChildKindCount = static_cast<int>(TChildKind::ncchart) + 1;

class TChildForm : public QWidget {
  Q_OBJECT

 public:
  explicit TChildForm(TChildKind kind, QWidget* parent = nullptr);

  TChildKind Kind() const { return fKind; }

  // The window became the active child: load the controls from the document.
  virtual void FormActivate() {}
  // The window lost the activation, or a main-window command is about to read the
  // document: store the controls into the document. When the focused entry is invalid the
  // field reports it, nothing is stored and the result is false; the main window then brings
  // this window back to the front and the command does not go on.
  virtual bool FormDeactivate() { return true; }
  // The window is asked to close: the same check and store as a deactivation; false refuses
  // the close.
  virtual bool FormCloseQuery() { return FormDeactivate(); }
  // The document's unit system changed while the window is open.
  virtual void UnitsChanged() { FormActivate(); }

 signals:
  // The window is closing (its close was accepted); the main window clears its flag.
  void Closed(TChildKind kind);

 protected:
  // Runs FormCloseQuery; a refused close keeps the window open, an accepted one says Closed.
  void closeEvent(QCloseEvent* event) override;

 private:
  TChildKind fKind;
};

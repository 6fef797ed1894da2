// The windows of the other parts of the program, registered with the main window: the
// input windows (one factory per kind they make) and the two shaft views with the 3D
// view's own commands. Each part has one registration here.
#include "ProgramRooms.h"

#include "InputDialogs.h"
#include "TBlockActions.h"
#include "TDlgBlock.h"
#include "TDlgSideView.h"
#include "TMainForm.h"

namespace {

// The title, shaft, options, load, length, water-table, factor-of-safety, soil-layer,
// multiple-lengths and design-chart windows.
void RegisterInputDialogs(TMainForm& form) {
  TDialogHost host;
  host.WordProcessor = [&form] { return form.WordProcessor(); };
  host.SetWordProcessor = [&form](const QString& command) { form.SetWordProcessor(command); };
  for (int k = 0; k < kChildKindCount; ++k) {
    const auto kind = static_cast<TChildKind>(k);
    if (IsInputDialogKind(kind))
      form.RegisterChild(kind, [kind, host] { return MakeInputDialog(kind, host); });
  }
}

// The elevation, shown from the start, and the 3D view, whose commands forward to the view
// that is open and show its state.
void RegisterShaftViews(TMainForm& form) {
  auto* commands = new TBlockActions(&form);
  form.Install3DViewCommands(commands->ToolBarActions(), commands->Menu());
  form.RegisterChild(TChildKind::Side, [] { return new TDlgSideView; });
  form.RegisterChild(TChildKind::Block, [&form, commands]() -> TChildForm* {
    TDlgBlock* view = TDlgBlock::Create(&form.Plots());
    if (view) commands->SetView(view);
    return view;
  });
  QObject::connect(&form, &TMainForm::Started, &form,
                   [&form] { form.ShowChild(TChildKind::Side); });
}

}  // namespace

void InstallProgramRooms(TMainForm& form) {
  RegisterInputDialogs(form);
  RegisterShaftViews(form);
}

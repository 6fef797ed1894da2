// Each part of the program that brings child windows registers them here, with one line
// that calls its own registration: TMainForm::RegisterChild for each kind it makes, and
// what else it takes of the window (Replace3DViewCommands or ViewActions3D for the 3D view,
// the Started signal for a window shown from the start).
#include "ProgramRooms.h"

#include "TMainForm.h"

void InstallProgramRooms(TMainForm& form) {
  // The input dialogs and the soil-layer editor: RegisterInputDialogs(form);
  // The elevation view and the 3D view: RegisterShaftViews(form);
  (void)form;
}

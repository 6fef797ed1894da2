// Each part of the program that brings child windows registers them here, with one line
// that calls its own registration (which calls TMainForm::RegisterChild for each kind it
// makes and connects what it needs of the window, such as TMainForm::ViewActions3D).
#include "ProgramRooms.h"

#include "TMainForm.h"

void InstallProgramRooms(TMainForm& form) {
  // The input dialogs and the soil-layer editor: RegisterInputDialogs(form);
  // The elevation view and the 3D view: RegisterShaftViews(form);
  (void)form;
}

#pragma once
// The windows that plug into the main window from the other parts of the program.
class TMainForm;

// Registers the input dialogs, the soil-layer editor and the shaft views with the window.
void InstallProgramRooms(TMainForm& form);

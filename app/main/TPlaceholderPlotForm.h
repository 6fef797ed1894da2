#pragma once
// The window a result plot opens until the plot window of the results room takes its
// place: a plain child window that names the plot. The one line that installs it is
// TMainForm::InstallPlotWindows.
#include "TPlotFormHandle.h"

class QMdiArea;

TPlotFormFactory PlaceholderPlotFormFactory(QMdiArea& area);

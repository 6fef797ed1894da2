#include "TDialogHost.h"

#include <QFileDialog>
#include <QFileInfo>

#include "TGridTable.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

void EditTZDepthTable(const TDialogHost& host) {
  if (host.EditTZDepths) {
    host.EditTZDepths();
    return;
  }
  if (ProgramData) ProgramData->Tables().TblTZDepth().ShowModal();
}

QString ChooseProgramFile(const TDialogHost& host, QWidget* parent, const QString& current) {
  if (host.ChooseProgram) return host.ChooseProgram(parent, current);
  const QString programs = QStringLiteral("Programs (*.exe *.com)");
  const QString all = QStringLiteral("All Files (*)");
#ifdef Q_OS_WIN
  QString selected = programs;
#else
  // Programs here rarely carry an extension.
  QString selected = all;
#endif
  return QFileDialog::getOpenFileName(parent, QString(), current,
                                      programs + QStringLiteral(";;") + all, &selected);
}

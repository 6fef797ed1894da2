#include "TWorkbookOpener.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

TWorkbookOpener::THandler& Handler() {
  static TWorkbookOpener::THandler handler;
  return handler;
}

}  // namespace

bool TWorkbookOpener::Open(const QString& fileName) {
  if (Handler()) return Handler()(fileName);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

TWorkbookOpener::THandler TWorkbookOpener::SetHandler(THandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

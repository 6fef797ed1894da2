#include "DialogTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "TDataEdit.h"
#include "TGridTable.h"

DialogTest::DialogTest() {
  fTables = std::make_unique<TSoilProfileTables>();
  ProgramData = TProgramData::Create(*fTables);
}

DialogTest::~DialogTest() { ProgramData.reset(); }

TGridTable& DialogTest::Layer(int row) { return *fTables->LayerTable(row); }

void DialogTest::SetLayers(std::initializer_list<int> types) {
  D().SetRowCount(int(types.size()));
  int row = 0;
  for (int type : types) {
    D().SetIntValue(kLayerSoilType, row, type);
    D().SetFloatValue(kLayerBottom, row, 10.0L * (row + 1));
    ++row;
  }
}

void Type(TDataEdit* entry, const QString& text) {
  TypeAndStay(entry, text);
  entry->Evaluate();
}

void TypeAndStay(TDataEdit* entry, const QString& text) {
  entry->setFocus();
  entry->clear();
  QTest::keyClicks(entry, text);
}

void WhileModal(std::function<QDialog*()> dialog, std::function<void(QDialog*)> inside) {
  QTimer::singleShot(0, [dialog, inside] {
    QDialog* modal = dialog();
    if (!modal) {
      ADD_FAILURE() << "no modal dialog";
      return;
    }
    inside(modal);
    if (modal->isVisible()) {
      ADD_FAILURE() << "the modal dialog stayed open";
      modal->hide();
    }
  });
}

void SaveScreenshot(QWidget* window, const QString& name) {
  const QString dir = QStringLiteral(TORVEX_SCREENSHOT_DIR);
  QDir().mkpath(dir);
  // The window's own size, as its frame in the main window gives it (not cut to the small
  // screen of the offscreen platform).
  window->resize(window->sizeHint().expandedTo(window->minimumSizeHint()));
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QApplication::processEvents();
  ASSERT_TRUE(window->grab().save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

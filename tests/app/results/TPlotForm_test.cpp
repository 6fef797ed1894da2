// The plot's window as the plot sees it: made on the first Show, presented on every Show,
// freed on Hide (also when the user closes it) and with the plot.
#include <gtest/gtest.h>

#include <memory>

#include "TGraphPlot.h"
#include "TPlotFormHandle.h"

namespace {

struct WindowLog {
  int made = 0;
  int presented = 0;
  int freed = 0;
  bool closeWhenPresented = false;  // the window closes itself as it opens
  bool closeWhileMade = false;
};

class FakeForm : public TPlotFormHandle {
 public:
  FakeForm(TGraphPlot& plot, WindowLog& log) : fPlot(plot), fLog(log) {
    ++fLog.made;
    if (fLog.closeWhileMade) fPlot.Hide();
  }
  ~FakeForm() override { ++fLog.freed; }
  void Present() override {
    ++fLog.presented;
    if (fLog.closeWhenPresented) fPlot.Hide();
  }
  // What the window does when the user closes it.
  void UserCloses() { fPlot.Hide(); }

 private:
  TGraphPlot& fPlot;
  WindowLog& fLog;
};

class PlotFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plot.SetFormFactory([this](TGraphPlot& owner) -> std::unique_ptr<TPlotFormHandle> {
      return std::make_unique<FakeForm>(owner, log);
    });
  }
  FakeForm* Form() const { return static_cast<FakeForm*>(plot.Form()); }

  WindowLog log;  // declared first: it outlives the plot and its window
  TGraphPlot plot;
};

TEST_F(PlotFormTest, ShowTwice_OneWindowPresentedTwice) {
  plot.Show();
  TPlotFormHandle* first = plot.Form();
  plot.Show();
  EXPECT_TRUE(plot.FormExists());
  EXPECT_EQ(plot.Form(), first);
  EXPECT_EQ(log.made, 1);
  EXPECT_EQ(log.presented, 2);
  EXPECT_EQ(log.freed, 0);
}

TEST_F(PlotFormTest, ShowAfterUserClosed_MakesNewWindow) {
  plot.Show();
  Form()->UserCloses();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(plot.Form(), nullptr);
  EXPECT_EQ(log.freed, 1);
  plot.Show();
  EXPECT_TRUE(plot.FormExists());
  EXPECT_EQ(log.made, 2);
  EXPECT_EQ(log.presented, 2);
}

TEST_F(PlotFormTest, Hide_FreesWindowOnceAndKeepsData) {
  plot.SetLineCount(2);
  plot.SetCount(3);
  plot.SetShowLegend(false);
  plot.Lines(1).SetLineName(QStringLiteral("Dia=3 ft"));
  plot.Show();
  plot.Hide();
  plot.Hide();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(log.freed, 1);
  EXPECT_EQ(plot.Count(), 3);
  EXPECT_FALSE(plot.ShowLegend());
  EXPECT_EQ(plot.Lines(1).LineName(), QStringLiteral("Dia=3 ft"));
}

TEST_F(PlotFormTest, HideWithoutWindow_DoesNothing) {
  plot.Hide();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(log.freed, 0);
}

TEST_F(PlotFormTest, WindowClosingItselfAsItOpens_IsFreedAfterShow) {
  log.closeWhenPresented = true;
  plot.Show();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(plot.Form(), nullptr);
  EXPECT_EQ(log.presented, 1);
  EXPECT_EQ(log.freed, 1);

  log.closeWhenPresented = false;
  plot.Show();
  EXPECT_TRUE(plot.FormExists());
  EXPECT_EQ(log.made, 2);
}

TEST_F(PlotFormTest, WindowClosingWhileBeingMade_IsNeverPresented) {
  log.closeWhileMade = true;
  plot.Show();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(log.made, 1);
  EXPECT_EQ(log.presented, 0);
  EXPECT_EQ(log.freed, 1);
}

TEST(TGraphPlotForm, DestroyingPlot_FreesItsWindow) {
  WindowLog log;
  {
    TGraphPlot plot;
    plot.SetFormFactory([&log](TGraphPlot& owner) -> std::unique_ptr<TPlotFormHandle> {
      return std::make_unique<FakeForm>(owner, log);
    });
    plot.Show();
  }
  EXPECT_EQ(log.made, 1);
  EXPECT_EQ(log.freed, 1);
}

TEST(TGraphPlotForm, NoWindowMaker_ShowLeavesNoWindow) {
  TGraphPlot plot;
  plot.Show();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(plot.Form(), nullptr);

  plot.SetFormFactory([](TGraphPlot&) { return std::unique_ptr<TPlotFormHandle>(); });
  plot.Show();
  EXPECT_FALSE(plot.FormExists());
}

}  // namespace

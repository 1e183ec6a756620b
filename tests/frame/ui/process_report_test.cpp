#include "frame/ui/process_report.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "frame/ui/page_canvas.h"
#include "frame/ui/preview_dialogs.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/progress_window.h"
#include "prints/register_prints.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::ScriptedPrompter;
using testing::settle;
using testing::waitUntil;

// `count` records counted as a walk.
class CountingWalk final : public Walk {
 public:
  explicit CountingWalk(std::int64_t count) : count_(count) {}
  void reset() override { processed_ = 0; }
  Fetch next() override {
    if (processed_ == count_) return Fetch::Done;
    ++processed_;
    return Fetch::Record;
  }
  std::int64_t processed() const override { return processed_; }
  int percent() const override { return static_cast<int>(processed_ * 100 / count_); }

 private:
  std::int64_t count_, processed_ = 0;
};

// Pages that say which they are.
prints::Pages numberedPages(int count) {
  prints::Pages pages(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    pages[static_cast<std::size_t>(i)].text(20, 20, "strana " + std::to_string(i + 1));
  return pages;
}

std::vector<std::string> firstTexts(const prints::Pages& pages) {
  std::vector<std::string> t;
  for (const auto& p : pages) t.push_back(p.texts().front()->text);
  return t;
}

class ProcessReportTest : public ::testing::Test {
 protected:
  ProcessReportTest()
      : errors_(prompter_, [](int) {}),
        settings_(QString::fromStdString((dir_ / "tk_2005.INI").string())),
        desktop_{prompter_, errors_, settings_, host_, nullptr, dir_.path()} {}

  // Runs a report of `records` records building `pages` pages; each `slow` record takes two time
  // slices on the fake clock, so every tick walks one record.
  ProcessReport* start(int records, int pages, bool slow = false) {
    ReportJob job;
    job.procedure = "TestReport";
    job.walk = std::make_unique<CountingWalk>(records);
    if (slow) {
      job.take = [this] {
        now_ += 200;
        return Take::Carry;
      };
      job.clock = [this] { return now_; };
    }
    job.pages = [this, pages] {
      ++built_;
      return numberedPages(pages);
    };
    report_ = runReport(
        desktop_, nullptr, std::move(job), [this](ReportEnd e) { end_ = e; },
        [this](const prints::Pages& p) { printed_.push_back(firstTexts(p)); });
    return report_;
  }
  PrintPreview* waitForPreview() {
    PrintPreview* p = nullptr;
    waitUntil([&] { return (p = findPreview()) != nullptr && p->isVisible(); });
    settle();
    return p;
  }
  static PrintPreview* findPreview() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<PrintPreview*>(w); p && p->isVisible()) return p;
    return nullptr;
  }
  template <class D>
  static D* dialog() {
    D* d = nullptr;
    waitUntil([&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if ((d = qobject_cast<D*>(w)) && d->isVisible()) return true;
      return false;
    });
    return d;
  }
  bool ended() {
    return waitUntil([&] { return end_.has_value(); });
  }
  void TearDown() override {
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  ::obrazac::testing::TempDir dir_;
  ScriptedPrompter prompter_;
  ErrorManager errors_;
  SettingsManager settings_;
  TopLevelHost host_;
  Desktop desktop_;
  ProcessReport* report_ = nullptr;
  std::optional<ReportEnd> end_;
  std::vector<std::vector<std::string>> printed_;
  int built_ = 0;
  std::int64_t now_ = 0;
};

TEST_F(ProcessReportTest, NothingToProcessShowsMessage22AndNoPreview) {
  start(0, 3);
  ASSERT_TRUE(ended());
  EXPECT_EQ(*end_, ReportEnd::NothingToProcess);
  EXPECT_EQ(prompter_.texts(), QStringList{"There are no records available to process."});
  EXPECT_EQ(prompter_.titles(), QStringList{"No Records"});
  EXPECT_EQ(findPreview(), nullptr);
  EXPECT_EQ(built_, 0);
  EXPECT_TRUE(printed_.empty());
}

TEST_F(ProcessReportTest, CancelHalfWayPrintsNothing) {
  ProcessReport* r = start(1000, 3, true);
  ProgressWindow* w = r->progressWindow();
  ASSERT_TRUE(waitUntil([&] { return w->bar()->value() >= 1; }));
  EXPECT_EQ(w->windowTitle(), "Progress...");
  EXPECT_TRUE(w->percentText()->text().endsWith("% Complete"));
  QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
  ASSERT_TRUE(ended());
  EXPECT_EQ(*end_, ReportEnd::Cancelled);
  EXPECT_EQ(built_, 0);
  EXPECT_EQ(findPreview(), nullptr);
  EXPECT_TRUE(printed_.empty());
  EXPECT_TRUE(settings_.read("TestReport").has_value());  // the progress window's place
}

TEST_F(ProcessReportTest, PrintSendsExactlyThePagesTheListKeeps) {
  start(50, 7);
  PrintPreview* p = waitForPreview();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->zoomStatus()->text(), "Zoom: Tile Pages");
  EXPECT_EQ(p->pageStatus()->text(), "Page 1 of 7");
  EXPECT_EQ(p->zoomList()->currentText(), "Tile pages");

  // Reset brings every page back, Cancel the list as it was.
  p->askPagesToPrint();
  auto* d = dialog<PagesToPrintDialog>();
  ASSERT_NE(d, nullptr);
  d->entry()->setText("2");
  QTest::mouseClick(d->resetButton(), Qt::LeftButton);
  EXPECT_EQ(d->list(), "1-7");
  d->entry()->setText("4");
  d->reject();
  settle();
  EXPECT_EQ(p->pagesToPrint(), "1-7");
  EXPECT_TRUE(settings_.read("_PreviewAskPagesWindow_").has_value());

  p->askPagesToPrint();
  d = dialog<PagesToPrintDialog>();
  d->entry()->setText("1-3,5");
  d->accept();
  settle();
  p->print();
  ASSERT_TRUE(ended());
  EXPECT_EQ(*end_, ReportEnd::Printed);
  ASSERT_EQ(printed_.size(), 1u);
  EXPECT_EQ(printed_[0],
            (std::vector<std::string>{"strana 1", "strana 2", "strana 3", "strana 5"}));
  EXPECT_TRUE(settings_.read("_PreviewWindow_").has_value());
}

TEST_F(ProcessReportTest, ExitOrAnUnusableListPrintsNothing) {
  for (const char* list : {"", "3-1,a,9"}) {
    end_.reset();
    start(5, 4);
    PrintPreview* p = waitForPreview();
    ASSERT_NE(p, nullptr);
    if (!*list) {
      p->exitWithoutPrinting();
    } else {
      p->askPagesToPrint();
      auto* d = dialog<PagesToPrintDialog>();
      d->entry()->setText(list);
      d->accept();
      settle();
      p->print();
    }
    ASSERT_TRUE(ended());
    EXPECT_EQ(*end_, ReportEnd::NotPrinted) << list;
    settle();
  }
  EXPECT_TRUE(printed_.empty());
}

// The rates list over `rows` combinations of the control codes, stored in one transaction.
void storeRates(Context& ctx, int rows) {
  Table& t = ctx.table("STO1");
  ASSERT_EQ(t.open(), 0);
  Record& r = t.record();
  char code[3] = {};
  ASSERT_EQ(t.begin(), 0);
  for (int i = 0; i < rows; ++i) {
    r.clear();
    const int parts[] = {i / 10000, i / 100 % 100, i % 100};
    const char* fields[] = {"VRSTOBRACUNA", "VRSTAOBVEZNIKA", "OSNOVOBRA"};
    for (int k = 0; k < 3; ++k) {
      std::snprintf(code, sizeof code, "%02d", parts[k]);
      r.setText(r.index(fields[k]), code);
    }
    r.setText(r.index("CLANDN"), "D");
    ASSERT_EQ(t.add(), 0) << i;
  }
  ASSERT_EQ(t.commit(), 0);
}

std::vector<std::string> allTexts(const prints::Pages& pages) {
  std::vector<std::string> texts;
  for (const auto& p : pages)
    for (const auto* t : p.texts()) texts.push_back(t->text);
  return texts;
}

// A report laid out during its walk gives the pages the report built at once gives.
TEST_F(ProcessReportTest, AReportMadeDuringItsWalkHasThePagesOfOneMadeAtOnce) {
  Context ctx(dir_.path());
  storeRates(ctx, 150);
  const prints::Pages atOnce = prints::printObracunskiKoeficijenti(ctx);
  Table& rates = ctx.table("STO1");
  rates.close();  // the report opens its table afresh, as a window does
  ASSERT_EQ(rates.open(), 0);
  std::vector<std::string> printed;
  report_ = runReport(
      desktop_, nullptr,
      recordReportJob("TestReport", rates, prints::obracunskiKoeficijentiReport()),
      [this](ReportEnd e) { end_ = e; },
      [&](const prints::Pages& pages) { printed = allTexts(pages); });
  PrintPreview* p = waitForPreview();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->pageLayout().pages(), static_cast<int>(atOnce.size()));
  EXPECT_GT(atOnce.size(), 1u);
  p->print();
  ASSERT_TRUE(ended());
  EXPECT_EQ(printed, allTexts(atOnce));
}

// Cancel in the middle of a long report stops it at once: the pages are made as the records
// come, so nothing is left to build after the walk.
TEST_F(ProcessReportTest, CancelStopsALongReportWithinASecond) {
  Context ctx(dir_.path());
  storeRates(ctx, 100000);
  Table& rates = ctx.table("STO1");
  rates.close();  // the report opens its table afresh, as a window does
  ASSERT_EQ(rates.open(), 0);
  report_ = runReport(desktop_, nullptr,
                      recordReportJob("TestReport", rates, prints::obracunskiKoeficijentiReport()),
                      [this](ReportEnd e) { end_ = e; });
  ProgressWindow* w = report_->progressWindow();
  ASSERT_TRUE(waitUntil([&] { return w->bar()->value() >= 2; }, 20000));
  EXPECT_LT(w->bar()->value(), 100);
  QElapsedTimer sinceCancel;
  sinceCancel.start();
  QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
  ASSERT_TRUE(ended());
  EXPECT_LT(sinceCancel.elapsed(), 1000);
  EXPECT_EQ(*end_, ReportEnd::Cancelled);
  settle();
  EXPECT_EQ(findPreview(), nullptr);
}

class PrintPreviewTest : public ProcessReportTest {
 protected:
  PrintPreview* show(int pages) {
    preview_ = new PrintPreview(desktop_, numberedPages(pages));
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setAllowUserZoom(true);
    preview_->display();
    settle();
    return preview_;
  }
  void TearDown() override {
    if (preview_) preview_->exitWithoutPrinting();
    ProcessReportTest::TearDown();
  }
  QPointer<PrintPreview> preview_;
};

TEST_F(PrintPreviewTest, OnePageDisablesPagingAndLayoutControls) {
  PrintPreview* p = show(1);
  EXPECT_FALSE(p->pageSpin()->isEnabled());
  EXPECT_FALSE(p->acrossSpin()->isEnabled());
  EXPECT_FALSE(p->downSpin()->isEnabled());
  EXPECT_FALSE(p->action("jump")->isEnabled());
  EXPECT_FALSE(p->action("next")->isEnabled());
  EXPECT_FALSE(p->action("changeDisplay")->isEnabled());
}

TEST_F(PrintPreviewTest, TypedZoomAndTiledLayoutShowInTheStatusBar) {
  PrintPreview* p = show(10);
  EXPECT_EQ(p->pageSpin()->toolTip(), "Enter a page number from 1 to 10");
  p->acrossSpin()->setValue(2);
  p->downSpin()->setValue(2);
  EXPECT_EQ(p->pageStatus()->text(), "Page 1-4 of 10");
  p->action("next")->trigger();
  EXPECT_EQ(p->pageLayout().currentPage(), 2);
  QTest::keyClick(p, Qt::Key_PageUp);
  EXPECT_EQ(p->pageLayout().currentPage(), 1);
  p->zoomList()->lineEdit()->setText("150");
  emit p->zoomList()->lineEdit()->editingFinished();
  EXPECT_EQ(p->zoomList()->currentText(), "150% Zoom");
  EXPECT_EQ(p->zoomStatus()->text(), "Zoom: 150%");
  EXPECT_EQ(p->pageStatus()->text(), "Page 1 of 10");
  EXPECT_FALSE(p->acrossSpin()->isEnabled());
  p->action("zoom2")->trigger();
  EXPECT_EQ(p->zoomStatus()->text(), "Zoom: Page Width");
}

TEST_F(PrintPreviewTest, JumpAndChangeDisplayDialogs) {
  PrintPreview* p = show(10);
  p->action("jump")->trigger();
  auto* j = dialog<JumpDialog>();
  ASSERT_NE(j, nullptr);
  j->pageSpin()->setValue(8);
  j->accept();
  settle();
  EXPECT_EQ(p->pageLayout().currentPage(), 8);
  EXPECT_EQ(p->pageStatus()->text(), "Page 8 of 10");
  p->action("changeDisplay")->trigger();
  auto* c = dialog<ChangeDisplayDialog>();
  ASSERT_NE(c, nullptr);
  c->acrossSpin()->setValue(3);
  c->downSpin()->setValue(2);
  c->accept();
  settle();
  EXPECT_EQ(p->pageStatus()->text(), "Page 1-6 of 10");
}

TEST_F(PrintPreviewTest, LongReportRendersOnlyThePagesShown) {
  PrintPreview* p = show(800);
  EXPECT_EQ(p->pageStatus()->text(), "Page 1 of 800");
  EXPECT_GE(p->canvas()->rendered(), 1);
  EXPECT_LE(p->canvas()->rendered(), 2);
}

TEST_F(PrintPreviewTest, EveryControlHasAName) {
  PrintPreview* p = show(3);
  for (QWidget* w : p->findChildren<QWidget*>()) {
    auto* b = qobject_cast<QAbstractButton*>(w);
    const bool control = b || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w);
    if (!control || w->objectName().startsWith("qt_")) continue;
    EXPECT_TRUE(!w->accessibleName().isEmpty() || (b && !b->text().isEmpty()))
        << w->metaObject()->className();
  }
}

}  // namespace
}  // namespace obrazac::ui

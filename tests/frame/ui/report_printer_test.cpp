#include "frame/ui/report_printer.h"

#include <QApplication>
#include <QFile>

#include "frame/ui/print_preview.h"
#include "frame/ui/process_report.h"
#include "frame/ui/progress_window.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::ScriptedPrompter;
using testing::settle;
using testing::waitUntil;

// One record walked.
class OneRecord final : public Walk {
 public:
  void reset() override { done_ = false; }
  Fetch next() override { return std::exchange(done_, true) ? Fetch::Done : Fetch::Record; }
  std::int64_t processed() const override { return done_ ? 1 : 0; }

 private:
  bool done_ = false;
};

// A machine without any printer: Print in the preview offers the PDF, which lands where the
// user pointed with ".pdf" added, and the user is told where.
class NoPrinterTest : public ::testing::Test {
 protected:
  NoPrinterTest()
      : errors_(prompter_, [](int) {}),
        settings_(QString::fromStdString((dir_ / "tk_2005.INI").string())),
        desktop_{prompter_, errors_, settings_, host_, nullptr, dir_.path()} {
    setPrinterInstalled([] { return false; });
    setPdfFileChooser([this](QWidget*, const QString& proposed) {
      proposed_ << proposed;
      return typed_;
    });
  }
  ~NoPrinterTest() override {
    setPrinterInstalled({});
    setPdfFileChooser({});
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  PrintPreview* previewOfOnePage() {
    ReportJob job;
    job.procedure = "TestReport";
    job.pdfName = "Stranica A 001500101";
    job.walk = std::make_unique<OneRecord>();
    job.pages = [] {
      prints::Pages pages(1);
      pages[0].text(20, 20, "strana 1");
      return pages;
    };
    runReport(desktop_, nullptr, std::move(job), [this](ReportEnd e) { end_ = e; });
    PrintPreview* p = nullptr;
    waitUntil([&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if ((p = qobject_cast<PrintPreview*>(w)) && p->isVisible()) return true;
      return false;
    });
    return p;
  }

  ::obrazac::testing::TempDir dir_;
  ScriptedPrompter prompter_;
  ErrorManager errors_;
  SettingsManager settings_;
  TopLevelHost host_;
  Desktop desktop_;
  QString typed_;
  QStringList proposed_;
  std::optional<ReportEnd> end_;
};

TEST_F(NoPrinterTest, PrintOffersThePdfAndSaysWhereItWent) {
  typed_ = QString::fromStdString((dir_ / "ožujak").string());
  PrintPreview* p = previewOfOnePage();
  ASSERT_NE(p, nullptr);
  prompter_.answers = {Answer::Yes};
  p->print();
  ASSERT_TRUE(waitUntil([&] { return end_.has_value(); }));
  EXPECT_EQ(*end_, ReportEnd::Printed);
  ASSERT_EQ(proposed_.size(), 1);
  EXPECT_TRUE(proposed_[0].endsWith("/Stranica A 001500101.pdf")) << proposed_[0].toStdString();
  const QString file = typed_ + ".pdf";
  ASSERT_TRUE(QFile::exists(file));
  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_TRUE(prompter_.shown[0].text.contains("nije instaliran nijedan pisač"));
  EXPECT_TRUE(prompter_.shown[0].text.contains("Spremi kao PDF"));
  EXPECT_EQ(prompter_.shown[1].text,
            QString::fromUtf8("Izvještaj je spremljen u datoteku %1.").arg(file));
}

TEST_F(NoPrinterTest, NoAnswerOrCancelledDialogWritesNothing) {
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    end_.reset();
    prompter_.shown.clear();
    typed_.clear();  // the dialog cancelled
    PrintPreview* p = previewOfOnePage();
    ASSERT_NE(p, nullptr);
    prompter_.answers = {answer};
    p->print();
    ASSERT_TRUE(waitUntil([&] { return end_.has_value(); }));
    EXPECT_EQ(prompter_.shown.size(), 1u);  // only the question
    settle();
  }
  EXPECT_EQ(proposed_.size(), 1);  // the dialog opened once, for the Yes
  EXPECT_TRUE(QDir(QString::fromStdString(dir_.path().string())).entryList({"*.pdf"}).isEmpty());
}

TEST_F(NoPrinterTest, PrinterSetUpSaysWhereTheReportCanGo) {
  setUpPrinter(prompter_, nullptr);
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_TRUE(prompter_.shown[0].text.contains("nije instaliran nijedan pisač"));
  EXPECT_TRUE(prompter_.shown[0].text.contains("Spremi kao PDF"));
}

TEST(PdfFileName, AddsTheExtensionOnlyWhenTheNameHasNone) {
  const std::pair<const char*, const char*> cases[] = {
      {"izvjestaj", "izvjestaj.pdf"},         {"/tmp/a.pdf", "/tmp/a.pdf"},
      {"/tmp/A.PDF", "/tmp/A.PDF"},           {"ožujak.2026", "ožujak.2026.pdf"},
      {"/tmp/mapa.d/x", "/tmp/mapa.d/x.pdf"}, {"", ""},
  };
  for (const auto& [typed, file] : cases)
    EXPECT_EQ(pdfFileName(QString::fromUtf8(typed)), QString::fromUtf8(file)) << typed;
}

}  // namespace
}  // namespace obrazac::ui

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <filesystem>

#include "check/ui/browse_izlaz.h"
#include "check/ui/browse_izlaz_greske.h"
#include "check/ui/kontrola_izlaza.h"
#include "check/ui/kontrola_ulaza.h"
#include "check/ui/line_pieces.h"
#include "check/ui/pregled_gresaka.h"
#include "check/ui/record_fields_display.h"
#include "data/codepage.h"
#include "data/record_format.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/progress_window.h"
#include "submission/control_number.h"
#include "submission/ui/win_izvjesce.h"
#include "support/cli_runner.h"
#include "support/payment_fixture.h"
#include "support/sample_submission.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using testing::DesktopTest;
using testing::press;
using testing::settle;
using testing::waitUntil;

const auto kToday = std::make_shared<FixedClock>(Date::fromParts(12, 15, 2025));

// Sets one field of a record line, blank padded.
void setField(std::string& line, std::string_view code, std::string_view value) {
  const auto* f = submission::fieldByCode(code);
  ASSERT_NE(f, nullptr) << code;
  line.replace(static_cast<std::size_t>(f->position - 1), static_cast<std::size_t>(f->width),
               obrazac::padRight(std::string(value), static_cast<std::size_t>(f->width)));
}

QString shown(std::string_view cp1250) {
  return QString::fromStdString(utf8FromCp1250(cp1250));
}

// The frame over a copy of the sample installation.
class CheckWindows : public DesktopTest {
 protected:
  void SetUp() override {
    fs::copy(obrazac::testing::SampleFolder::templateFolder(), dir_.path(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    openFrame();
  }

  fs::path writeFile(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_.path() / "izlaz" / name;
    obrazac::testing::writeFile(path, bytes);
    return path;
  }

  KontrolaIzlaza* openFormalControl(const fs::path& file) {
    frame_->action("KontrolaIzlaza")->trigger();
    auto* w = waitForActive<KontrolaIzlaza>();
    EXPECT_NE(w, nullptr) << frame_->action("KontrolaIzlaza")->isEnabled() << " "
                          << prompter_.texts().join("\n").toStdString();
    if (!w) return nullptr;
    w->setClock(kToday);
    w->setFile(QString::fromStdString(file.string()));
    return w;
  }

  // Runs the formal control and waits for its end.
  void control(KontrolaIzlaza* w) {
    press(w, KontrolaIzlaza::kKontrola);
    ASSERT_TRUE(waitUntil([&] { return !w->running(); }, 60000));
    settle();
  }

  // Every control a user reaches carries its prompt or caption as its accessible name.
  static void expectAccessibleNames(QWidget* w) {
    for (QWidget* c : w->findChildren<QWidget*>()) {
      if (!qobject_cast<QAbstractButton*>(c) && !qobject_cast<QLineEdit*>(c) &&
          !qobject_cast<QComboBox*>(c))
        continue;
      if (!c->isVisibleTo(w) || qobject_cast<QComboBox*>(c->parentWidget()) ||
          qobject_cast<QAbstractItemView*>(c->parentWidget()))
        continue;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
      ASSERT_NE(a, nullptr);
      EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
          << w->metaObject()->className() << ": " << c->metaObject()->className();
    }
  }
};

TEST_F(CheckWindows, FindingsOfAFaultyFileAppearWithTheirLineCutIntoFields) {
  auto lines = obrazac::testing::validFile();
  setField(lines[2], "RS5MBGO", "12345ABC90123");  // line 3, a type 5 row
  setField(lines[5], "RS9DTMN", "XXXXXXXX");       // line 6, the file's closing record
  setField(lines[5], "RS9REZE", "REZERVA OD 40");
  setField(lines[5], "RS9DIGP", "POTPIS OD 122");
  KontrolaIzlaza* w = openFormalControl(writeFile("F1.TXT", obrazac::testing::joined(lines)));
  ASSERT_NE(w, nullptr);
  expectAccessibleNames(w);
  control(w);
  EXPECT_EQ(w->progressText(), QString::fromUtf8("Izvršena je kontrola datoteke."));
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();

  press(w, KontrolaIzlaza::kPregledGresaka);
  auto* review = waitForActive<BrowseIzlazGreske>();
  ASSERT_NE(review, nullptr);
  expectAccessibleNames(review);
  ASSERT_GE(review->lines()->rowCount(), 2);
  // Only the lines with findings; the first is line 3 with its findings below.
  EXPECT_EQ(review->lines()->cellText(0, 0).trimmed(), "3");
  EXPECT_EQ(review->lines()->cellText(0, 2).trimmed(), "5");
  ASSERT_GE(review->findings()->rowCount(), 1);
  EXPECT_EQ(review->findings()->cellText(0, 0).trimmed(), "RS5MBGO");

  RecordFieldsDisplay* fields = review->fields();
  const struct {
    int pair;
    const char* label;
    QString value;
  } row5[] = {
      {0, "N RS5RBRO", shown(lines[2].substr(0, 5))},
      {1, "N RS5MBGO", "12345ABC90123"},
      {2, "C RS5PRIM", shown(lines[2].substr(18, 30))},
      {6, "N RS5IBRT", shown(lines[2].substr(59, 15))},
      {12, "N RS5TIPS", "5"},
      {13, "", ""},  // beyond the record's fields
  };
  EXPECT_EQ(fields->title(), QString::fromUtf8("SLOG POJEDINAČNE TRANSAKCIJE - tip sloga 5"));
  for (const auto& c : row5) {
    EXPECT_EQ(fields->label(c.pair)->text(), c.label) << c.pair;
    EXPECT_EQ(fields->value(c.pair)->text(), c.value) << c.pair;
  }

  // The last line with findings is the type 9 record; its findings follow it.
  review->lines()->move(toolbar::kBottom);
  settle();
  EXPECT_EQ(review->lines()->cellText(review->lines()->currentRow(), 0).trimmed(), "6");
  EXPECT_EQ(fields->title(), QString::fromUtf8("ZAKLJUČNI SLOG FORMATA - tip sloga 9"));
  EXPECT_EQ(fields->label(4)->text(), "C RS9REZE");
  EXPECT_EQ(fields->value(4)->text(), shown(lines[5].substr(39, 82)));
  EXPECT_TRUE(fields->value(4)->text().startsWith("REZERVA OD 40"));
  EXPECT_EQ(fields->label(5)->text(), "C RS9DIGP");
  EXPECT_EQ(fields->value(5)->text(), shown(lines[5].substr(121, 128)));
  EXPECT_TRUE(fields->value(5)->text().startsWith("POTPIS OD 122"));
  ASSERT_GE(review->findings()->rowCount(), 1);
  EXPECT_EQ(review->findings()->cellText(0, 0).trimmed(), "RS9DTMN");

  review->escape();
  ASSERT_TRUE(waitUntil([&] { return active<KontrolaIzlaza>() == w; }));

  // The record review shows every line, under the ruler and cut into fields.
  press(w, KontrolaIzlaza::kPregledDatoteke);
  auto* records = waitForActive<BrowseIzlaz>();
  ASSERT_NE(records, nullptr);
  expectAccessibleNames(records);
  EXPECT_EQ(records->list()->rowCount(), 6);
  records->list()->move(toolbar::kBottom);
  settle();
  EXPECT_EQ(records->fields()->value(5)->text(), shown(lines[5].substr(121, 128)));
  EXPECT_EQ(records->pieces()->piece(0)->text(), shown(lines[5].substr(0, 50)));
}

TEST_F(CheckWindows, EveryRecordTypeHasALabelForEachFieldOfItsLayout) {
  RecordFieldsDisplay display;
  for (const auto& layout : submission::recordLayouts()) {
    const std::string line(submission::kRecordWidth - 1, ' ');
    display.showLine(line + layout.type);
    int labelled = 0;
    while (labelled < RecordFieldsDisplay::kPairs && !display.label(labelled)->text().isEmpty())
      ++labelled;
    EXPECT_EQ(labelled, static_cast<int>(layout.fields.size())) << layout.type;
  }
  display.showLine(std::string(249, ' ') + "4");
  EXPECT_TRUE(display.label(0)->text().isEmpty());
}

TEST_F(CheckWindows, ControlNumberIsShownInFourGroups) {
  const fs::path file =
      writeFile("F2.TXT", obrazac::testing::joined(obrazac::testing::validFile()));
  KontrolaIzlaza* w = openFormalControl(file);
  ASSERT_NE(w, nullptr);
  press(w, KontrolaIzlaza::kShaBroj);
  const QString text = w->progressText();
  EXPECT_TRUE(QRegularExpression("^[0-9A-F]{10}(-[0-9A-F]{10}){3}$").match(text).hasMatch())
      << text.toStdString();
  EXPECT_EQ(text.toStdString(),
            submission::groupedControlNumber(submission::controlNumberOfFile(file).digits));
}

TEST_F(CheckWindows, AFileWithoutFindingsHasNothingToReportOrTranscribe) {
  KontrolaIzlaza* w = openFormalControl(
      writeFile("F3.TXT", obrazac::testing::joined(obrazac::testing::validFile())));
  ASSERT_NE(w, nullptr);
  control(w);
  ASSERT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();

  press(w, KontrolaIzlaza::kIzvjesce);
  ASSERT_TRUE(waitUntil([&] { return !prompter_.shown.empty(); }));
  EXPECT_EQ(prompter_.texts(), QStringList{"There are no records available to process."});

  prompter_.shown.clear();
  // The progress window stands from the click until the run's end reaches the window.
  qobject_cast<QAbstractButton*>(w->control(KontrolaIzlaza::kPrijepis))->click();
  ASSERT_NE(w->transcriptProgress(), nullptr);
  EXPECT_EQ(w->transcriptProgress()->text()->text(), "Processing Records");
  EXPECT_EQ(w->transcriptProgress()->percentText()->text(), "0% Completed");
  ASSERT_TRUE(waitUntil([&] { return !w->running() && w->transcriptProgress() == nullptr; }));
  settle();
  ASSERT_FALSE(prompter_.shown.empty());
  EXPECT_EQ(prompter_.texts().front(), "There are no records available to process.");
  EXPECT_TRUE(
      prompter_.texts().back().startsWith("Formiran je izlazni file pod imenom TBIZLAZ2.TXT "));
  EXPECT_TRUE(w->progressText().startsWith("Formiran je izlazni file pod imenom TBIZLAZ2.TXT "));
  EXPECT_EQ(fs::file_size(dir_.path() / "TBIZLAZ2.TXT"), 0u);
}

TEST_F(CheckWindows, TheTranscriptsProgressReachesTheEnd) {
  auto lines = obrazac::testing::validFile();
  setField(lines[0], "RS0OFOR", "RM400");  // one warning to transcribe
  KontrolaIzlaza* w = openFormalControl(writeFile("F5.TXT", obrazac::testing::joined(lines)));
  ASSERT_NE(w, nullptr);
  control(w);
  prompter_.shown.clear();
  qobject_cast<QAbstractButton*>(w->control(KontrolaIzlaza::kPrijepis))->click();
  ProgressWindow* progress = w->transcriptProgress();
  ASSERT_NE(progress, nullptr);
  QList<int> percents;
  QObject::connect(progress->bar(), &QProgressBar::valueChanged,
                   [&](int value) { percents << value; });
  ASSERT_TRUE(waitUntil([&] { return !w->running() && w->transcriptProgress() == nullptr; }));
  settle();
  ASSERT_FALSE(percents.isEmpty());
  EXPECT_EQ(percents.last(), 100);
}

TEST_F(CheckWindows, ThePrintsOfTheFileAndOfItsFindingsReachThePreview) {
  auto lines = obrazac::testing::validFile();
  setField(lines[0], "RS0OFOR", "RM400");  // one warning, for the findings report
  KontrolaIzlaza* w = openFormalControl(writeFile("F4.TXT", obrazac::testing::joined(lines)));
  ASSERT_NE(w, nullptr);
  control(w);
  for (int button : {KontrolaIzlaza::kIspisA, KontrolaIzlaza::kIspisB, KontrolaIzlaza::kIzvjesce}) {
    press(w, button);
    PrintPreview* preview = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (preview = w->findChild<PrintPreview*>()) != nullptr; }))
        << button << " " << prompter_.texts().join("\n").toStdString();
    EXPECT_GE(preview->pageLayout().pages(), 1) << button;
    preview->exitWithoutPrinting();
    ASSERT_TRUE(waitUntil([&] { return w->findChild<PrintPreview*>() == nullptr; })) << button;
  }
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
}

// Lines enough that the run lasts over many turns of the event loop: rows of one form, each a
// finding (the MBG is no number).
std::string bigFile(int rows) {
  auto lines = obrazac::testing::validFile();
  std::string row = lines[2];
  setField(row, "RS5MBGO", "ABCDEFGHIJKLM");
  std::string bytes = lines[0] + "\r\n" + lines[1] + "\r\n";
  bytes.reserve(static_cast<std::size_t>(rows) * 252 + 2000);
  for (int i = 0; i < rows; ++i) bytes += row + "\r\n";
  for (std::size_t i = 3; i < lines.size(); ++i) bytes += lines[i] + "\r\n";
  return bytes;
}

TEST_F(CheckWindows, TheProgramAnswersWhileTheControlRunsAndClosingAsksToStopIt) {
  KontrolaIzlaza* w = openFormalControl(writeFile("BIG.TXT", bigFile(150000)));
  ASSERT_NE(w, nullptr);
  int ticks = 0;
  QStringList texts;
  QTimer timer;
  QPointer<KontrolaIzlaza> open(w);  // the window goes away at the end
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++ticks;
    if (!open) return;
    if (texts.isEmpty() || texts.back() != w->progressText()) texts << w->progressText();
  });
  timer.start(5);
  press(w, KontrolaIzlaza::kKontrola);
  ASSERT_TRUE(w->running());
  ASSERT_TRUE(waitUntil([&] { return texts.size() >= 3; }, 60000));
  EXPECT_GE(ticks, 3);

  // Closing asks; No keeps the run and the window, Yes stops the run and then closes it.
  ASSERT_TRUE(w->running());
  prompter_.answers = {Answer::No};
  w->container()->close();
  settle();
  EXPECT_EQ(active<KontrolaIzlaza>(), w);
  EXPECT_TRUE(prompter_.answers.empty());
  prompter_.answers = {Answer::Yes};
  w->container()->close();
  ASSERT_TRUE(waitUntil([&] { return active<KontrolaIzlaza>() == nullptr; }, 60000));
  EXPECT_EQ(
      prompter_.texts(),
      QStringList(2, QString::fromUtf8("Kontrola datoteke još traje. Želite li je prekinuti?")));
  Context ctx(dir_.path());
  for (const char* prefix : {"ULZ", "ULZ1"}) {
    Table& t = ctx.table(prefix);
    ASSERT_EQ(t.open(AccessMode::ReadOnly), 0);
    EXPECT_EQ(t.records(), 0) << prefix;  // a stopped run leaves no half result
  }
  EXPECT_TRUE(texts.filter(QRegularExpression("^Obrađeno +\\d+ redaka$")).size() >= 2)
      << texts.join("|").toStdString();
}

TEST_F(CheckWindows, TheInputCheckShowsItsSummaryAndTheFindingsOfALineTogether) {
  using obrazac::testing::TestLine;
  TestLine good;
  TestLine bad;
  bad.jmbg = obrazac::sampleJmbg(17, 9, 1985, 33, 512);
  bad.jmbg.back() = bad.jmbg.back() == '9' ? '0' : '9';  // a wrong check digit
  bad.iv10 = obrazac::testing::amountField("92.46");     // and a II. pillar off by 4 lipa
  bad.name = "KOVAČEVIĆ ANA";
  TestLine other;
  other.month = "10";
  const fs::path file = dir_.path() / "ulaz" / "place.txt";
  obrazac::testing::writeFile(file, obrazac::testing::paymentFile({good, bad, other}));

  frame_->action("kontrolaUlaza")->trigger();
  auto* w = waitForActive<KontrolaUlaza>();
  ASSERT_NE(w, nullptr);
  expectAccessibleNames(w);
  w->setClock(kToday);
  w->employers()->setCurrentIndex(w->employers()->findData(1));
  emit w->employers()->activated(w->employers()->currentIndex());
  w->paymentTypes()->setCurrentIndex(w->paymentTypes()->findData("01"));
  emit w->paymentTypes()->activated(w->paymentTypes()->currentIndex());
  for (const auto& [control, text] :
       std::initializer_list<std::pair<int, const char*>>{{KontrolaUlaza::kGodina, "2025"},
                                                          {KontrolaUlaza::kMjesec, "11"},
                                                          {KontrolaUlaza::kOd, "1"},
                                                          {KontrolaUlaza::kDo, "30"}})
    testing::enter(qobject_cast<QLineEdit*>(w->control(control)), text);
  testing::enter(qobject_cast<QLineEdit*>(w->control(KontrolaUlaza::kDatoteka)),
                 QString::fromStdString(file.string()));
  EXPECT_EQ(w->selection().employer, 1);
  EXPECT_EQ(w->selection().paymentType, "01");

  press(w, KontrolaUlaza::kKontrola);
  auto* summary = waitForActive<WinIzvjesce>();
  ASSERT_NE(summary, nullptr) << prompter_.texts().join("\n").toStdString();
  expectAccessibleNames(summary);
  EXPECT_EQ(w->progressText(), QString::fromUtf8("Ukupno obrađeno=    3"));
  const auto counts = w->lastSummary();
  EXPECT_EQ(counts.linesRead, 3);
  EXPECT_EQ(counts.linesAccepted + counts.linesWithErrors, 2);
  EXPECT_EQ(counts.linesWithErrors, 1);
  for (const auto& [control, value] : std::initializer_list<std::pair<int, int>>{
           {WinIzvjesce::kObradeno, 3},
           {WinIzvjesce::kIspravni, counts.linesAccepted},
           {WinIzvjesce::kSGreskama, counts.linesWithErrors}})
    EXPECT_EQ(qobject_cast<QLabel*>(summary->control(control))->text().trimmed(),
              QString::number(value));
  press(summary, WinIzvjesce::kZatvori);
  ASSERT_TRUE(waitUntil([&] { return active<KontrolaUlaza>() == w; }));

  // The findings of the faulty line, one under the other beside its MBG.
  press(w, KontrolaUlaza::kGreske);
  auto* findings = waitForActive<PregledGresaka>();
  ASSERT_NE(findings, nullptr);
  expectAccessibleNames(findings);
  BrowseList* list = findings->list();
  ASSERT_GE(list->rowCount(), 2);
  for (int r = 0; r < list->rowCount(); ++r) {
    EXPECT_EQ(list->cellText(r, 0).trimmed(), QString::number(r + 1));
    EXPECT_EQ(list->cellText(r, 1).trimmed(), QString::fromStdString(bad.jmbg));
  }
  EXPECT_TRUE(list->cellText(0, 2).contains("MBG")) << list->cellText(0, 2).toStdString();
}

// Still to be mended: the command-line side of this comparison is refused before it reaches
// the value, so the two verdicts differ for a reason of the test's own; kept disabled until
// the command line of the comparison is right.
TEST_F(CheckWindows, DISABLED_TheInputCheckWindowAndTheCommandLineGiveTheSelectionOneVerdict) {
  const fs::path file = dir_.path() / "ulaz" / "place.txt";
  obrazac::testing::writeFile(file, obrazac::testing::paymentFile({obrazac::testing::TestLine()}));
  struct Case {
    int control;
    const char* option;
    const char* typed;
  } cases[] = {
      {KontrolaUlaza::kGodina, "--year", "2025"}, {KontrolaUlaza::kGodina, "--year", "0202"},
      {KontrolaUlaza::kGodina, "--year", "202"},  {KontrolaUlaza::kMjesec, "--month", "13"},
      {KontrolaUlaza::kMjesec, "--month", "011"}, {KontrolaUlaza::kOd, "--from", "1"},
      {KontrolaUlaza::kDo, "--to", "31"},         {KontrolaUlaza::kDo, "--to", "030"},
  };
  frame_->action("kontrolaUlaza")->trigger();
  auto* w = waitForActive<KontrolaUlaza>();
  ASSERT_NE(w, nullptr);
  w->paymentTypes()->setCurrentIndex(w->paymentTypes()->findData("01"));
  emit w->paymentTypes()->activated(w->paymentTypes()->currentIndex());
  const std::pair<int, const char*> valid[] = {{KontrolaUlaza::kGodina, "2025"},
                                               {KontrolaUlaza::kMjesec, "11"},
                                               {KontrolaUlaza::kOd, "1"},
                                               {KontrolaUlaza::kDo, "30"}};
  for (const Case& c : cases) {
    for (const auto& [control, text] : valid)
      testing::enter(qobject_cast<QLineEdit*>(w->control(control)), text);
    prompter_.shown.clear();
    auto* edit = qobject_cast<QLineEdit*>(w->control(c.control));
    testing::enter(edit, c.typed);
    testing::settle();
    std::string options = " --employer 1 --type 01";
    for (const auto& [control, option] :
         {std::pair{KontrolaUlaza::kGodina, "--year"}, std::pair{KontrolaUlaza::kMjesec, "--month"},
          std::pair{KontrolaUlaza::kOd, "--from"}, std::pair{KontrolaUlaza::kDo, "--to"}}) {
      const char* value = "";
      for (const auto& [v, text] : valid)
        if (v == control) value = text;
      options += std::string(" ") + option + " " + (control == c.control ? c.typed : value);
    }
    const auto cli = obrazac::testing::runCli("--dir '" + dir_.path().string() + "' check-input '" +
                                              file.string() + "'" + options);
    const QString window = prompter_.texts().join("|");
    EXPECT_EQ(cli.exitCode == 2, !window.isEmpty()) << c.option << " " << c.typed << cli.output;
    if (!window.isEmpty()) {
      EXPECT_EQ(window.toStdString() + "\n", cli.output) << c.typed;
    }
  }
}

}  // namespace
}  // namespace obrazac::ui

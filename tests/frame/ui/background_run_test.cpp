#include "frame/ui/background_run.h"

#include <QSignalSpy>
#include <stdexcept>

#include "support/temp_dir.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::ScriptedPrompter;

class BackgroundRunTest : public ::testing::Test {
 protected:
  ::obrazac::testing::TempDir dir_;
  ScriptedPrompter prompter_;
  BackgroundRun run_{dir_.path(), prompter_};
};

TEST_F(BackgroundRunTest, TheRunsQuestionIsAskedOfTheUser) {
  prompter_.answers = {Answer::Yes, Answer::Cancel};
  std::vector<Answer> answers;
  run_.start([&](Context&, RunReporter& reporter) {
    answers.push_back(reporter.ask("Datoteka postoji. Zamijeniti je?"));
    answers.push_back(reporter.ask("Nastaviti s obradom?", true));
  });
  run_.wait();
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::Yes, Answer::Cancel}));
  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_EQ(prompter_.shown[0].text, "Datoteka postoji. Zamijeniti je?");
  EXPECT_EQ(prompter_.shown[0].buttons, Buttons::YesNo);
  EXPECT_EQ(prompter_.shown[1].buttons, Buttons::YesNoCancel);
  EXPECT_FALSE(run_.failed());
}

TEST_F(BackgroundRunTest, ProgressReachesTheWindowInOrder) {
  QList<qint64> done;
  QObject::connect(&run_, &BackgroundRun::progress,
                   [&](qint64 d, qint64 total) { done << d * 100 / total; });
  run_.start([](Context&, RunReporter& reporter) {
    for (int i = 1; i <= 4; ++i) reporter.progress(i, 4);
  });
  run_.wait();
  EXPECT_EQ(done, (QList<qint64>{25, 50, 75, 100}));
}

// The program goes on; the run ends with the error as its message, after what it said before,
// and says it failed so no outcome of it is read.
TEST_F(BackgroundRunTest, AnExceptionOfTheWorkBecomesItsLastMessage) {
  struct Case {
    std::function<void()> thrower;
    QString message;
  };
  const Case cases[] = {
      {[] { throw std::runtime_error("TBIZLAZ.TXT: nema mjesta na disku"); },
       BackgroundRun::failureMessage("TBIZLAZ.TXT: nema mjesta na disku")},
      {[] { throw 7; }, BackgroundRun::failureMessage(nullptr)},
  };
  for (const Case& c : cases) {
    bool done = false;
    QSignalSpy finished(&run_, &BackgroundRun::finished);
    run_.start(
        [&](Context&, RunReporter& reporter) {
          reporter.message("Malo strpljenja");
          c.thrower();
        },
        [&] { done = true; });
    run_.wait();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].toStringList(), (QStringList{"Malo strpljenja", c.message}));
    EXPECT_TRUE(run_.failed());
    EXPECT_TRUE(done);
    EXPECT_TRUE(c.message.startsWith(QString::fromUtf8("Greška: obrada je prekinuta")));
  }
  // The next run starts afresh.
  run_.start([](Context&, RunReporter&) {});
  run_.wait();
  EXPECT_FALSE(run_.failed());
}

}  // namespace
}  // namespace obrazac::ui

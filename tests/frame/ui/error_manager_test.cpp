#include "frame/ui/error_manager.h"

#include "frame/procedure_thread.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::ScriptedPrompter;

TEST(ErrorManagerTest, EachLevelShowsItsButtonsAndGivesItsResult) {
  const struct {
    int id;
    Answer answer;
    Buttons buttons;
    int result;
  } cases[] = {
      {9, Answer::Yes, Buttons::YesNo, level::kBenign},  // question, Yes: go on
      {9, Answer::No, Buttons::YesNo, level::kCancel},   // question, No: cancelled
      {20, Answer::Yes, Buttons::Ok, level::kNotify},    // notice
      {13, Answer::Yes, Buttons::Ok, level::kNotify},
  };
  for (const auto& c : cases) {
    ScriptedPrompter prompter;
    ErrorManager errors(prompter, [](int) { FAIL() << "nothing here ends the program"; });
    if (c.buttons != Buttons::Ok) prompter.answers = {c.answer};
    EXPECT_EQ(errors.throwMessage(c.id), c.result) << c.id;
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].buttons, c.buttons) << c.id;
  }
}

TEST(ErrorManagerTest, FatalMessageEndsTheProgramOnceConfirmed) {
  ScriptedPrompter prompter;
  int ended = 0;
  ErrorManager errors(prompter, [&](int code) { ended = code; });
  MessageValues v;
  v.file = "TBVRSUPL.DAT   ";
  v.errorCode = 36;
  EXPECT_EQ(errors.throwMessage(23, v), level::kFatal);
  EXPECT_EQ(ended, level::kFatal);
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_EQ(prompter.texts()[0],
            "File (TBVRSUPL.DAT) could not be opened.  Error: Invalid Data File (36).  Press OK "
            "to end this application");
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::Ok);
}

TEST(ErrorManagerTest, AskUsesTheCallersButtonsWhateverTheLevel) {
  ScriptedPrompter prompter;
  ErrorManager errors(prompter, {});
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(errors.ask(35, Buttons::YesNoCancel, Answer::Cancel), Answer::Cancel);
  prompter.answers = {Answer::Yes};
  EXPECT_EQ(errors.ask(5, Buttons::YesNo, Answer::Yes), Answer::Yes);  // a notice by its level
  EXPECT_EQ(prompter.titles(), (QStringList{"Save Record", "Dodati podatak?"}));
}

}  // namespace
}  // namespace obrazac::ui

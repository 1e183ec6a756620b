// The one object that shows the standard messages of the windows by number: the title, the
// text with its placeholders filled, and the buttons and icon of the entry's level (a notice
// with OK, a question with Yes and No, a fatal message that ends the program once confirmed).
// It shows through the prompter, so tests answer the questions from a script.
#pragma once

#include <functional>

#include "frame/standard_messages.h"
#include "frame/ui/prompter.h"

namespace obrazac::ui {

class ErrorManager {
 public:
  using EndProgram = std::function<void(int exitCode)>;
  ErrorManager(Prompter& prompter, EndProgram endProgram);

  Prompter& prompter() { return prompter_; }

  // Shows entry `id` by its level and returns the level's result: 0 for a benign entry or a
  // Yes to a question, 4 for a No, 5 after a notice. A fatal entry adds "Press OK to end this
  // application" and ends the program after OK; 3 comes back only where ending the program is
  // left to the caller's handler (in tests).
  int throwMessage(int id, const MessageValues& values = {});
  // Shows entry `id` with the caller's buttons and the question icon, whatever its level.
  Answer ask(int id, Buttons buttons, Answer defaultButton, const MessageValues& values = {});

 private:
  Prompter& prompter_;
  EndProgram endProgram_;
};

}  // namespace obrazac::ui

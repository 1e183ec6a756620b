// How the windows ask and tell the user: a message box with a title, a text, an icon and its
// buttons, and the system beep. The program shows QMessageBox; tests answer from a script, so
// no test ever waits on a box nobody closes.
#pragma once

#include <QString>

#include "frame/run_reporter.h"

namespace obrazac::ui {

enum class Icon { None, Information, Question, Exclamation };
enum class Buttons { Ok, YesNo, YesNoCancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a box and returns the button pressed (OK answers Yes).
  virtual Answer show(const QString& title, const QString& text, Icon icon, Buttons buttons,
                      Answer defaultButton) = 0;
  virtual void beep() = 0;

  // A plain box of the application's own checks: the text and an OK button.
  void message(const QString& text) { show(QString(), text, Icon::None, Buttons::Ok, Answer::Yes); }
};

class MessageBoxPrompter final : public Prompter {
 public:
  Answer show(const QString& title, const QString& text, Icon icon, Buttons buttons,
              Answer defaultButton) override;
  void beep() override;
};

}  // namespace obrazac::ui

// A run's reporter for a window: what the run tells the user goes into message boxes and its
// questions are asked with Yes and No (and Cancel where offered). The status line stays silent.
#pragma once

#include <QString>

#include "frame/run_reporter.h"
#include "frame/ui/prompter.h"
#include "frame/ui/qt_text.h"

namespace obrazac::ui {

class BoxReporter : public RunReporter {
 public:
  explicit BoxReporter(Prompter& prompter) : prompter_(prompter) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override { prompter_.message(fromUtf8(text)); }
  Answer ask(std::string_view text, bool withCancel) override {
    return prompter_.show(QString(), fromUtf8(text), Icon::Question,
                          withCancel ? Buttons::YesNoCancel : Buttons::YesNo, Answer::Yes);
  }

 private:
  Prompter& prompter_;
};

// The reporter of a run whose question the window has already asked in a window of its own
// (PitanjeDaNe): every question of the run is answered yes.
class ConfirmedReporter final : public BoxReporter {
 public:
  using BoxReporter::BoxReporter;
  Answer ask(std::string_view, bool) override { return Answer::Yes; }
};

}  // namespace obrazac::ui

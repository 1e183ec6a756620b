#include "frame/ui/error_manager.h"

#include "frame/procedure_thread.h"

namespace obrazac::ui {

ErrorManager::ErrorManager(Prompter& prompter, EndProgram endProgram)
    : prompter_(prompter), endProgram_(std::move(endProgram)) {}

int ErrorManager::throwMessage(int id, const MessageValues& values) {
  const StandardMessage* entry = standardMessage(id);
  if (!entry) return level::kBenign;
  const ShownMessage shown = showMessage(id, values);
  const QString title = QString::fromStdString(shown.title);
  const QString text = QString::fromStdString(shown.text);
  switch (entry->level) {
    case MessageLevel::Benign:
      return level::kBenign;
    case MessageLevel::Question:
    case MessageLevel::Question4:
      return prompter_.show(title, text, Icon::Question, Buttons::YesNo, Answer::Yes) == Answer::Yes
                 ? level::kBenign
                 : level::kCancel;
    case MessageLevel::ProgramError:
    case MessageLevel::Fatal:
      prompter_.show(title, text + "  Press OK to end this application", Icon::Exclamation,
                     Buttons::Ok, Answer::Yes);
      if (endProgram_) endProgram_(level::kFatal);
      return level::kFatal;
    case MessageLevel::Notice:
      prompter_.show(title, text, Icon::Exclamation, Buttons::Ok, Answer::Yes);
      return level::kNotify;
  }
  return level::kBenign;
}

Answer ErrorManager::ask(int id, Buttons buttons, Answer defaultButton,
                         const MessageValues& values) {
  const ShownMessage shown = showMessage(id, values);
  return prompter_.show(QString::fromStdString(shown.title), QString::fromStdString(shown.text),
                        Icon::Question, buttons, defaultButton);
}

}  // namespace obrazac::ui

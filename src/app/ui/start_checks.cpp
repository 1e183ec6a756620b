#include "app/ui/start_checks.h"

#include "app/working_folder_check.h"
#include "data/folder_swap.h"

namespace obrazac::ui {

void settleWorkingFolder(Prompter& prompter, const std::filesystem::path& workDir) {
  for (const std::string& problem : recoverInterruptedSwap(workDir))
    prompter.message(QString::fromStdString(problem));
  offerOwnFolders(prompter, workDir);
}

void offerOwnFolders(Prompter& prompter, const std::filesystem::path& workDir) {
  Context ctx(workDir);
  const std::string question = foreignFoldersQuestion(ctx, workDir);
  if (question.empty()) return;
  const Answer a = prompter.show(QString::fromUtf8("Radna mapa"), QString::fromStdString(question),
                                 Icon::Question, Buttons::YesNo, Answer::Yes);
  if (a != Answer::Yes) return;
  if (const Status saved = moveParameterFoldersHere(ctx, workDir); !saved.ok())
    prompter.message(QString::fromStdString(saved.text()));
}

}  // namespace obrazac::ui

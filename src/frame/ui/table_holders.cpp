#include "frame/ui/table_holders.h"

#include <QApplication>
#include <QWidget>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {
namespace {

std::vector<ProcedureWindow*> holders(const ProcedureWindow& asker) {
  std::vector<ProcedureWindow*> found;
  for (QWidget* w : QApplication::allWidgets()) {
    auto* window = qobject_cast<ProcedureWindow*>(w);
    if (window && window != &asker && !window->isDead() && window->holdsTables())
      found.push_back(window);
  }
  return found;
}

QString caption(ProcedureWindow* w) {
  return w->windowTitle().isEmpty() ? w->procedure() : w->windowTitle();
}

}  // namespace

QStringList windowsHoldingTables(const ProcedureWindow& asker) {
  QStringList captions;
  for (ProcedureWindow* w : holders(asker)) captions << caption(w);
  return captions;
}

bool closeWindowsHoldingTables(ProcedureWindow& asker) {
  QStringList open = windowsHoldingTables(asker);
  if (open.isEmpty()) return true;
  Prompter& prompter = asker.desktop().prompter;
  const Answer answer = prompter.show(
      QString::fromUtf8("Upozorenje"),
      QString::fromUtf8("Prije zamjene podataka treba zatvoriti prozore: %1. Zatvoriti ih sada?")
          .arg(open.join(", ")),
      Icon::Question, Buttons::YesNo, Answer::Yes);
  if (answer == Answer::Yes) {
    // A list waits for the form it called: the waiting ones close in a later pass.
    for (int pass = 0; pass < 8; ++pass) {
      bool closed = false;
      for (ProcedureWindow* w : holders(asker))
        if (!w->inCall() && w->container()->close()) closed = true;
      QCoreApplication::processEvents();
      if (!closed) break;
    }
    open = windowsHoldingTables(asker);
    if (open.isEmpty()) return true;
  }
  prompter.message(
      QString::fromUtf8("Podaci nisu zamijenjeni. Zatvorite prozore: %1").arg(open.join(", ")));
  return false;
}

}  // namespace obrazac::ui

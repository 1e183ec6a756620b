#include "app/ui/about_program.h"

#include <QLabel>
#include <QPushButton>

#include "app/ui/logo_picture.h"
#include "frame/ui/dialog_units.h"

namespace obrazac::ui {
namespace {
constexpr int kOk = 5;
}

AboutProgram::AboutProgram(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "AboutProgram") {
  setWindowTitle("O programu");
  setResizable(false);
  setDialogSize(197, 91);
  const DialogUnits du(font());
  auto* picture = new LogoPicture(LogoPicture::Kind::Small, this);
  picture->setGeometry(du.rect(41, 3, 115, 34));
  auto text = [&](const QString& s, int x, int y, int w) {
    auto* label = new QLabel(s, this);
    label->setGeometry(du.rect(x, y, w, 10));
    return label;
  };
  text(QString::fromUtf8("Priprema i dostava podataka o osiguranicima"), 23, 41, 170);
  text(QString::fromUtf8("i plaćenim doprinosima"), 57, 54, 120);
  text("TKM_2005.EXE ver. 2005.0.1.", 45, 65, 118);
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(du.rect(158, 76, 35, 14));
  ok->setDefault(true);
  registerButton(kOk, ok);
}

void AboutProgram::declare() {
  firstField_ = kOk;
}

int AboutProgram::takeAccepted(int control) {
  if (control == kOk) {
    postClose();
    return level::kNotify;
  }
  return ProcedureWindow::takeAccepted(control);
}

}  // namespace obrazac::ui

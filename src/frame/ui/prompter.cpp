#include "frame/ui/prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace obrazac::ui {

Answer MessageBoxPrompter::show(const QString& title, const QString& text, Icon icon,
                                Buttons buttons, Answer defaultButton) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
  box.setText(text);
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case Icon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
  }
  QMessageBox::StandardButton def = QMessageBox::Ok;
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      def = defaultButton == Answer::No ? QMessageBox::No : QMessageBox::Yes;
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      def = defaultButton == Answer::Yes  ? QMessageBox::Yes
            : defaultButton == Answer::No ? QMessageBox::No
                                          : QMessageBox::Cancel;
      break;
  }
  box.setDefaultButton(def);
  if (buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::Yes;
  }
}

void MessageBoxPrompter::beep() {
  QApplication::beep();
}

}  // namespace obrazac::ui

// The keyboard every window has from the frame: Enter presses the focused button or else the
// form's default button (unless leaving the entry it was typed in was refused), Alt and a letter
// presses the window's own button of that mnemonic (or focuses the entry of a prompt) before the
// menu bar of the frame can take it, or, where several controls share the letter, moves the
// focus on to the next of them, and Escape presses the cancel button of a form or closes a list.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace obrazac::ui {

class ProcedureWindow;

class WindowKeys : public QObject {
  Q_OBJECT

 public:
  explicit WindowKeys(ProcedureWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The buttons and the entries of prompts whose mnemonic the key is, within this window, in
  // tab order.
  std::vector<QWidget*> mnemonicTargets(const QKeyEvent* key) const;
  bool takeKey(QKeyEvent* key);
  void pressDefault();

  ProcedureWindow& window_;
  QPointer<QWidget> keyTarget_;  // the focus widget whose next key press is a mnemonic of ours
  int refusalsBeforeEnter_ = -1;
};

}  // namespace obrazac::ui

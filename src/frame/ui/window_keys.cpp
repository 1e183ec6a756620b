#include "frame/ui/window_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {
namespace {

bool isEnter(const QKeyEvent* key) {
  return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
         (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isAltLetter(const QKeyEvent* key) {
  return key->modifiers() == Qt::AltModifier && !key->text().isEmpty();
}

bool usable(const QWidget* w) {
  return w->isVisibleTo(w->window()) && w->isEnabled();
}

}  // namespace

WindowKeys::WindowKeys(ProcedureWindow& window) : QObject(&window), window_(window) {
  window.installEventFilter(this);
}

std::vector<QWidget*> WindowKeys::mnemonicTargets(const QKeyEvent* key) const {
  const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
  std::vector<QWidget*> found;
  for (QAbstractButton* b : window_.findChildren<QAbstractButton*>())
    if (usable(b) && QKeySequence::mnemonic(b->text()) == pressed) found.push_back(b);
  for (QLabel* l : window_.findChildren<QLabel*>())
    if (l->buddy() && usable(l->buddy()) && QKeySequence::mnemonic(l->text()) == pressed)
      found.push_back(l->buddy());
  if (found.size() < 2) return found;
  // In the order Tab visits them.
  std::vector<QWidget*> ordered;
  QWidget* w = window_.nextInFocusChain();
  for (; w && w != &window_ && ordered.size() < found.size(); w = w->nextInFocusChain())
    if (std::find(found.begin(), found.end(), w) != found.end() &&
        std::find(ordered.begin(), ordered.end(), w) == ordered.end())
      ordered.push_back(w);
  for (QWidget* f : found)
    if (std::find(ordered.begin(), ordered.end(), f) == ordered.end()) ordered.push_back(f);
  return ordered;
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::ShortcutOverride) {
    if (watched != &window_) return false;
    if (isEnter(key)) refusalsBeforeEnter_ = window_.refusals();
    // The window's own mnemonic is no shortcut of the frame: the key press comes to the focus
    // widget, which passes it here before it could type the letter.
    if (isAltLetter(key) && !mnemonicTargets(key).empty()) {
      key->accept();
      if (QWidget* focus = QApplication::focusWidget(); focus && focus != &window_) {
        keyTarget_ = focus;
        focus->installEventFilter(this);
      }
      return true;
    }
    return false;
  }
  if (watched == keyTarget_) {
    keyTarget_->removeEventFilter(this);
    keyTarget_ = nullptr;
    if (isAltLetter(key) && !mnemonicTargets(key).empty()) return takeKey(key);
    return false;
  }
  return watched == &window_ && takeKey(key);
}

bool WindowKeys::takeKey(QKeyEvent* key) {
  if (window_.isDead() || window_.inCall()) return false;
  if (isAltLetter(key)) {
    const std::vector<QWidget*> targets = mnemonicTargets(key);
    if (targets.empty()) return false;
    if (targets.size() > 1) {
      // A letter several controls share moves the focus on to the next of them; Enter presses it.
      const auto at = std::find(targets.begin(), targets.end(), QApplication::focusWidget());
      QWidget* next = at == targets.end() || at + 1 == targets.end() ? targets.front() : *(at + 1);
      next->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
    QWidget* target = targets.front();
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
      button->setFocus(Qt::ShortcutFocusReason);
      button->click();
    } else {
      target->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
  }
  if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
    window_.escape();
    return true;
  }
  if (isEnter(key)) {
    // Leaving the entry by Enter ran its check first; a refusal keeps the user there.
    const bool refused = refusalsBeforeEnter_ >= 0 && refusalsBeforeEnter_ != window_.refusals();
    refusalsBeforeEnter_ = -1;
    if (!refused) pressDefault();
    return true;
  }
  return false;
}

void WindowKeys::pressDefault() {
  if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
      focused && window_.isAncestorOf(focused)) {
    focused->click();
    return;
  }
  for (QPushButton* b : window_.findChildren<QPushButton*>())
    if (b->isDefault() && usable(b)) return b->click();
}

}  // namespace obrazac::ui

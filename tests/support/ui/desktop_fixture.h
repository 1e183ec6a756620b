// What the tests of the windows share: a working folder with its own settings file, a prompter
// that answers from a script and records every box, the frame without its logo, and helpers to
// wait for the event loop, find the windows and type into them as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <deque>
#include <functional>

#include "app/ui/main_frame.h"
#include "frame/ui/error_manager.h"
#include "frame/ui/prompter.h"
#include "frame/ui/settings_manager.h"
#include "support/temp_dir.h"

namespace obrazac::ui::testing {

struct ShownBox {
  QString title;
  QString text;
  Buttons buttons;
};

// Answers questions in the order the test scripted them; a question nobody scripted fails the
// test and is answered Cancel (or No), so a test never waits on a box.
class ScriptedPrompter final : public Prompter {
 public:
  Answer show(const QString& title, const QString& text, Icon, Buttons buttons, Answer) override {
    shown.push_back({title, text, buttons});
    if (buttons == Buttons::Ok) return Answer::Yes;
    if (answers.empty()) {
      ADD_FAILURE() << "unanswered question: " << title.toStdString() << ": " << text.toStdString();
      return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void beep() override { ++beeps; }

  QStringList texts() const {
    QStringList t;
    for (const auto& s : shown) t << s.text;
    return t;
  }
  QStringList titles() const {
    QStringList t;
    for (const auto& s : shown) t << s.title;
    return t;
  }

  std::vector<ShownBox> shown;
  std::deque<Answer> answers;
  int beeps = 0;
};

// Runs the event loop until the condition holds (or five seconds pass).
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

inline void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Replaces an entry's text as a user would (select all, type) and leaves the field.
inline void enter(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
  }
  emit edit->editingFinished();
}

// Clicks a window's button as a user would and lets the window answer.
inline void press(ProcedureWindow* w, int control) {
  auto* button = qobject_cast<QAbstractButton*>(w->control(control));
  ASSERT_NE(button, nullptr) << "no button " << control;
  button->click();
  settle();
}

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest()
      : errors_(prompter_, [this](int) { ++fatal_; }),
        settings_(QString::fromStdString((dir_ / "tk_2005.INI").string())) {}

  void SetUp() override { openFrame(); }
  void TearDown() override { closeFrame(); }

  void openFrame() {
    frame_ = std::make_unique<MainFrame>(prompter_, errors_, settings_, dir_.path());
    frame_->setShowLogo(false);
    frame_->setWindowState(Qt::WindowNoState);  // a first start may have maximised it
    frame_->resize(1000, 700);
    frame_->show();
    settle();
  }
  void closeFrame() {
    if (!frame_) return;
    frame_->close();
    settle();
    frame_.reset();
    settle();
  }

  template <class W>
  W* start() {
    auto* w = static_cast<W*>(frame_->start([](Desktop& d, std::shared_ptr<ProcedureThread> t) {
      return static_cast<ProcedureWindow*>(new W(d, std::move(t)));
    }));
    settle();
    return w;
  }

  // The procedure window of the active child window, if it is of that kind.
  template <class W>
  W* active() {
    return dynamic_cast<W*>(frame_->activeWindow());
  }
  template <class W>
  W* waitForActive() {
    W* w = nullptr;
    waitUntil([&] { return (w = active<W>()) != nullptr && w->isVisible(); });
    settle();
    return w;
  }

  ::obrazac::testing::TempDir dir_;
  ScriptedPrompter prompter_;
  int fatal_ = 0;
  ErrorManager errors_;
  SettingsManager settings_;
  std::unique_ptr<MainFrame> frame_;
};

}  // namespace obrazac::ui::testing

// QString in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

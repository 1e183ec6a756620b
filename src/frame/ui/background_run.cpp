#include "frame/ui/background_run.h"

#include <QEventLoop>
#include <QMetaObject>
#include <exception>

#include "frame/ui/qt_text.h"

namespace obrazac::ui {

// What the run says, taken on the run's thread: status texts and messages are handed on (the
// messages also kept for the end), questions wait for the window's answer.
class BackgroundRun::Reporter final : public RunReporter {
 public:
  explicit Reporter(BackgroundRun& owner) : owner_(owner) {}
  void status(std::string_view text) override { owner_.postStatus(text); }
  void message(std::string_view text) override {
    const QString shown = fromUtf8(text);
    {
      const std::lock_guard lock(owner_.mutex_);
      owner_.messages_ << shown;
    }
    QMetaObject::invokeMethod(
        &owner_, [o = &owner_, shown] { emit o->message(shown); }, Qt::QueuedConnection);
  }
  Answer ask(std::string_view text, bool withCancel) override {
    Answer answer = Answer::No;
    QMetaObject::invokeMethod(
        &owner_, [&] { answer = owner_.ask(fromUtf8(text), withCancel); },
        Qt::BlockingQueuedConnection);
    return answer;
  }
  void progress(std::int64_t done, std::int64_t total) override {
    QMetaObject::invokeMethod(
        &owner_, [o = &owner_, done, total] { emit o->progress(done, total); },
        Qt::QueuedConnection);
  }
  bool stopRequested() override { return owner_.stop_; }

 private:
  BackgroundRun& owner_;
};

BackgroundRun::BackgroundRun(std::filesystem::path workDir, Prompter& prompter, QObject* parent)
    : QObject(parent), workDir_(std::move(workDir)), prompter_(prompter) {}

BackgroundRun::~BackgroundRun() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

bool BackgroundRun::start(Work work, std::function<void()> done) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();
  running_ = true;
  failed_ = false;
  done_ = std::move(done);
  stop_ = false;
  messages_.clear();
  thread_ = std::thread([this, work = std::move(work)] {
    Reporter reporter(*this);
    bool threw = true;
    try {
      Context ctx(workDir_);
      work(ctx, reporter);
      threw = false;
    } catch (const std::exception& e) {
      reporter.message(failureMessage(e.what()).toStdString());
    } catch (...) {
      reporter.message(failureMessage(nullptr).toStdString());
    }
    QMetaObject::invokeMethod(
        this, [this, threw] { end(threw); }, Qt::QueuedConnection);
  });
  return true;
}

QString BackgroundRun::failureMessage(const char* what) {
  const QString reason =
      what && *what ? QString::fromUtf8(what) : QString::fromUtf8("nepoznata greška");
  return QString::fromUtf8("Greška: obrada je prekinuta (%1).").arg(reason);
}

Answer BackgroundRun::ask(const QString& text, bool withCancel) {
  if (onQuestion) return onQuestion(text, withCancel);
  return prompter_.show(QString(), text, Icon::Question,
                        withCancel ? Buttons::YesNoCancel : Buttons::YesNo, Answer::Yes);
}

// Only the latest text waits to be shown: a run that reports faster than the window paints
// never floods the event queue.
void BackgroundRun::postStatus(std::string_view text) {
  {
    const std::lock_guard lock(mutex_);
    latestStatus_ = fromUtf8(text);
  }
  if (statusPosted_.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        statusPosted_ = false;
        QString text;
        {
          const std::lock_guard lock(mutex_);
          text = latestStatus_;
        }
        emit status(text);
      },
      Qt::QueuedConnection);
}

// Queued after the run's own texts, so the window has shown them before it reads the outcome.
void BackgroundRun::end(bool threw) {
  thread_.join();
  running_ = false;
  failed_ = threw;
  QStringList messages;
  {
    const std::lock_guard lock(mutex_);
    messages.swap(messages_);
  }
  if (auto done = std::move(done_)) done();
  emit finished(messages);
}

void BackgroundRun::wait() {
  if (!running_) return;
  QEventLoop loop;
  connect(this, &BackgroundRun::finished, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace obrazac::ui

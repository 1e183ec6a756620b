#include "frame/ui/background_run.h"

#include <QCoreApplication>
#include <QMetaObject>

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
        &owner_,
        [&] {
          if (owner_.onQuestion) answer = owner_.onQuestion(fromUtf8(text), withCancel);
        },
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

BackgroundRun::BackgroundRun(std::filesystem::path workDir, QObject* parent)
    : QObject(parent), workDir_(std::move(workDir)) {}

BackgroundRun::~BackgroundRun() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

bool BackgroundRun::start(Work work, std::function<void()> done) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();
  running_ = true;
  done_ = std::move(done);
  stop_ = false;
  messages_.clear();
  thread_ = std::thread([this, work = std::move(work)] {
    {
      Context ctx(workDir_);
      Reporter reporter(*this);
      work(ctx, reporter);
    }
    QMetaObject::invokeMethod(
        this, [this] { end(); }, Qt::QueuedConnection);
  });
  return true;
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
void BackgroundRun::end() {
  thread_.join();
  running_ = false;
  QStringList messages;
  {
    const std::lock_guard lock(mutex_);
    messages.swap(messages_);
  }
  if (auto done = std::move(done_)) done();
  emit finished(messages);
}

void BackgroundRun::wait() {
  while (running_) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace obrazac::ui

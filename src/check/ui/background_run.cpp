#include "check/ui/background_run.h"

#include <QMetaObject>

namespace obrazac::ui {

namespace {
QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

// What the run says, taken on the run's thread: status texts are handed on, messages kept,
// questions declined (the runs started here ask none).
class BackgroundRun::Reporter final : public RunReporter {
 public:
  explicit Reporter(BackgroundRun& owner) : owner_(owner) {}
  void status(std::string_view text) override { owner_.postStatus(text); }
  void message(std::string_view text) override {
    const std::lock_guard lock(owner_.mutex_);
    owner_.messages_ << fromUtf8(text);
  }
  Answer ask(std::string_view, bool) override { return Answer::No; }
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

bool BackgroundRun::start(Work work) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();
  running_ = true;
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

void BackgroundRun::end() {
  thread_.join();
  running_ = false;
  QStringList messages;
  {
    const std::lock_guard lock(mutex_);
    messages.swap(messages_);
  }
  emit finished(messages);
}

}  // namespace obrazac::ui

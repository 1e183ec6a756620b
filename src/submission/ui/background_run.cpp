#include "submission/ui/background_run.h"

#include <QCoreApplication>
#include <QThread>

namespace obrazac::ui {

// Hands every text of the run to the window's thread.
class BackgroundRun::Reporter final : public RunReporter {
 public:
  explicit Reporter(BackgroundRun& run) : run_(run) {}

  void status(std::string_view text) override {
    QMetaObject::invokeMethod(
        &run_,
        [r = &run_, t = utf8(text)] {
          if (r->onStatus) r->onStatus(t);
        },
        Qt::QueuedConnection);
  }
  void message(std::string_view text) override {
    QMetaObject::invokeMethod(
        &run_,
        [r = &run_, t = utf8(text)] {
          if (r->onMessage) r->onMessage(t);
        },
        Qt::QueuedConnection);
  }
  // The run waits for the answer.
  Answer ask(std::string_view text, bool withCancel) override {
    Answer answer = Answer::No;
    QMetaObject::invokeMethod(
        &run_,
        [&] {
          if (run_.onQuestion) answer = run_.onQuestion(utf8(text), withCancel);
        },
        Qt::BlockingQueuedConnection);
    return answer;
  }

 private:
  static QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }
  BackgroundRun& run_;
};

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent) {}

BackgroundRun::~BackgroundRun() {
  if (!worker_) return;
  worker_->wait();
  delete worker_;
}

bool BackgroundRun::start(std::function<void(RunReporter&)> work, std::function<void()> done) {
  if (worker_) return false;
  done_ = std::move(done);
  worker_ = QThread::create([this, work = std::move(work)] {
    Reporter reporter(*this);
    work(reporter);
  });
  // Queued after the run's own texts, so the window shows them before it reads the outcome.
  connect(worker_, &QThread::finished, this, &BackgroundRun::finish, Qt::QueuedConnection);
  worker_->start();
  return true;
}

void BackgroundRun::finish() {
  if (!worker_) return;
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  if (auto done = std::move(done_)) done();
}

void BackgroundRun::wait() {
  while (worker_) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace obrazac::ui

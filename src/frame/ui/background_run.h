// A long run of the core on a thread of its own, with its own context on the working folder, so
// the program stays usable while it works: windows move, other windows answer, the status text
// advances. The run never touches a widget. Its status texts reach the window's thread as they
// come (only the latest one waits, however fast they come); its messages reach it in the order
// the run gave them, and are handed over once more, all together, when it has ended. A question
// of the run waits for the window's answer. A stop the user asks for is seen by the run at its
// next progress point.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "data/context.h"
#include "frame/run_reporter.h"

namespace obrazac::ui {

class BackgroundRun final : public QObject {
  Q_OBJECT

 public:
  using Work = std::function<void(Context& ctx, RunReporter& reporter)>;

  explicit BackgroundRun(std::filesystem::path workDir, QObject* parent = nullptr);
  // Asks a run still going to stop and waits for it.
  ~BackgroundRun() override;

  // Answers a question of the run on the window's thread; without it every question is declined.
  std::function<Answer(const QString& text, bool withCancel)> onQuestion;

  // Starts the work; `done` follows on the window's thread after every status text and message
  // of the run, just before `finished`. False when a run is still going.
  bool start(Work work, std::function<void()> done = {});
  bool running() const { return running_; }
  void requestStop() { stop_ = true; }
  // Keeps the window's events going until the run has ended and `finished` was emitted.
  void wait();

 signals:
  void status(const QString& text);
  void progress(qint64 done, qint64 total);
  void message(const QString& text);
  // The run has ended; `messages` are all it asked to show, in order.
  void finished(const QStringList& messages);

 private:
  class Reporter;
  void postStatus(std::string_view text);
  void end();

  std::filesystem::path workDir_;
  std::thread thread_;
  bool running_ = false;
  std::function<void()> done_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> statusPosted_{false};
  std::mutex mutex_;
  QString latestStatus_;
  QStringList messages_;
};

}  // namespace obrazac::ui

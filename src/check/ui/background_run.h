// A long run of the core on a thread of its own, with its own context on the working folder, so
// the program stays usable while it reads a big file: windows move, other windows answer, the
// progress text advances. The run never touches a widget. Its status texts reach the window's
// thread as they come (only the latest one waits, however fast they come); its messages are kept
// and handed over when it has ended. A stop the user asks for is seen by the run at its next
// progress point.
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

  // Starts the work; false when a run is still going.
  bool start(Work work);
  bool running() const { return running_; }
  void requestStop() { stop_ = true; }

 signals:
  void status(const QString& text);
  void progress(qint64 done, qint64 total);
  // The run has ended; `messages` are what it asked to show, in order.
  void finished(const QStringList& messages);

 private:
  class Reporter;
  void postStatus(std::string_view text);
  void end();

  std::filesystem::path workDir_;
  std::thread thread_;
  bool running_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> statusPosted_{false};
  std::mutex mutex_;
  QString latestStatus_;
  QStringList messages_;
};

}  // namespace obrazac::ui

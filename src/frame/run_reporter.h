// How a run talks to whoever started it (a window, the CLI, a test): status-line texts as the
// run goes, progress, messages shown to the user, and questions with their answer. Texts are
// UTF-8 (the display edge); the run never shows anything itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace obrazac {

enum class Answer { Yes, No, Cancel };

class RunReporter {
 public:
  virtual ~RunReporter() = default;
  // The window's status or progress line ("Malo strpljenja. Radim...", "Obrađeno    10 redaka").
  virtual void status(std::string_view text) = 0;
  // A message box the user confirms ("Podaci su importirani !").
  virtual void message(std::string_view text) = 0;
  // A question; `buttons` says whether Cancel is offered besides Yes and No.
  virtual Answer ask(std::string_view text, bool withCancel = false) = 0;
  // Work done so far out of total (total 0 when unknown).
  virtual void progress(std::int64_t /*done*/, std::int64_t /*total*/) {}
  // Whether the user asked to stop a long run; the run looks at its progress points and then
  // ends as a failure that keeps nothing half-written.
  virtual bool stopRequested() { return false; }
};

// Keeps everything it is told and answers questions from a script: for tests and batch use.
class RecordingReporter final : public RunReporter {
 public:
  explicit RecordingReporter(std::vector<Answer> answers = {}) : answers_(std::move(answers)) {}
  void status(std::string_view text) override { statuses.emplace_back(text); }
  void message(std::string_view text) override { messages.emplace_back(text); }
  Answer ask(std::string_view text, bool) override {
    questions.emplace_back(text);
    if (next_ < answers_.size()) return answers_[next_++];
    return Answer::No;
  }

  std::vector<std::string> statuses, messages, questions;

 private:
  std::vector<Answer> answers_;
  std::size_t next_ = 0;
};

}  // namespace obrazac

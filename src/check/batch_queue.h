// Hands batches of work from one producing thread to one consuming thread, with at most a few
// filled batches waiting, so memory stays flat however long the run. Emptied batches go back to
// the producer to be filled again, so a long run allocates only the first few.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace obrazac::check {

template <class Batch>
class BatchQueue {
 public:
  explicit BatchQueue(std::size_t capacity) : capacity_(capacity) {}

  // Producer: a batch to fill, one given back by the consumer when there is one.
  Batch takeEmpty() {
    std::lock_guard lock(mutex_);
    if (spare_.empty()) return Batch{};
    Batch b = std::move(spare_.back());
    spare_.pop_back();
    return b;
  }

  // Producer: hands a filled batch over, waiting while the consumer is behind; false when the
  // consumer has stopped and wants no more.
  bool push(Batch b) {
    std::unique_lock lock(mutex_);
    notFull_.wait(lock, [this] { return filled_.size() < capacity_ || stopped_; });
    if (stopped_) return false;
    filled_.push_back(std::move(b));
    notEmpty_.notify_one();
    return true;
  }

  // Producer: there will be no more batches.
  void close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    notEmpty_.notify_one();
  }

  // Consumer: the next batch in order, or nothing once the producer has closed and every batch
  // was taken.
  std::optional<Batch> pop() {
    std::unique_lock lock(mutex_);
    notEmpty_.wait(lock, [this] { return !filled_.empty() || closed_; });
    if (filled_.empty()) return std::nullopt;
    Batch b = std::move(filled_.front());
    filled_.pop_front();
    notFull_.notify_one();
    return b;
  }

  // Consumer: a used batch to be filled again.
  void giveBack(Batch b) {
    std::lock_guard lock(mutex_);
    spare_.push_back(std::move(b));
  }

  // Consumer: wants no more batches; a waiting or later push returns false.
  void stop() {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    notFull_.notify_all();
  }

 private:
  const std::size_t capacity_;
  std::mutex mutex_;
  std::condition_variable notFull_, notEmpty_;
  std::deque<Batch> filled_;
  std::vector<Batch> spare_;
  bool closed_ = false;
  bool stopped_ = false;
};

}  // namespace obrazac::check

// A procedure thread: what the windows of one procedure started from the main menu share, and
// what procedures called from it inherit. It owns a context (its own record buffer, position and
// open state per table), the request handed to the next procedure, the response of the last one,
// the navigation request a form leaves to its list, and the last saved values of each form's
// table. Windows on different threads never see each other's buffers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/record_manager.h"

namespace obrazac {

// What a caller asks of the procedure it calls next on the same thread.
namespace request {
inline constexpr int kNone = 0;
inline constexpr int kInsert = 1;
inline constexpr int kChange = 2;
inline constexpr int kDelete = 3;
inline constexpr int kSelect = 4;
}  // namespace request

// What a procedure leaves behind when it ends; one that sets none has been cancelled.
namespace response {
inline constexpr int kCompleted = 1;
inline constexpr int kCancelled = 2;
}  // namespace response

// The results of handling an event and the levels of the standard messages share numbers.
namespace level {
inline constexpr int kBenign = 0;  // go on with the default handling
inline constexpr int kQuestion = 1;
inline constexpr int kFatal = 3;   // end the window's event loop
inline constexpr int kCancel = 4;  // a question answered No
inline constexpr int kNotify = 5;  // handled: skip the default handling
}  // namespace level

// The action codes of the frame's toolbar; a list and a form each give them a meaning.
namespace toolbar {
inline constexpr int kInsert = 2000;
inline constexpr int kChange = 2001;
inline constexpr int kDelete = 2002;
inline constexpr int kSelect = 2003;
inline constexpr int kBottom = 2004;
inline constexpr int kTop = 2005;
inline constexpr int kPageDown = 2006;
inline constexpr int kPageUp = 2007;
inline constexpr int kDown = 2008;
inline constexpr int kUp = 2009;
inline constexpr int kLocate = 2010;
inline constexpr int kHistory = 2011;
inline constexpr int kHelp = 2012;
inline constexpr int kFirst = kInsert;
inline constexpr int kLast = kHelp;
inline bool isNavigation(int code) {
  return code >= kBottom && code <= kUp;
}
}  // namespace toolbar

class ProcedureThread {
 public:
  explicit ProcedureThread(std::filesystem::path workDir) : context_(std::move(workDir)) {}
  ProcedureThread(const ProcedureThread&) = delete;
  ProcedureThread& operator=(const ProcedureThread&) = delete;

  Context& context() { return context_; }
  Table& table(std::string_view prefix) { return context_.table(prefix); }

  // The record manager of a table on this thread: a list and the form it calls share it, and
  // with it a number reserved for an insert.
  RecordManager& manager(std::string_view prefix);

  // Opens a table for one procedure of the thread. A table that several procedures of the
  // thread opened stays open until the last of them closes it. Returns the store's error.
  int open(std::string_view prefix, AccessMode mode = AccessMode::DenyNone);
  void close(std::string_view prefix);

  // The values a form last saved into a table, kept on the thread from one call of the form to
  // the next, for the previous-value key.
  Record& history(std::string_view procedure, std::string_view prefix);
  bool hasHistory(std::string_view procedure, std::string_view prefix) const;

  std::uint8_t nextRequest = 0;   // handed to the next procedure called on this thread
  std::uint8_t lastResponse = 0;  // left by the procedure that ended last
  std::int32_t navigation = 0;    // toolbar code with which the user left a form; 0 none

 private:
  Context context_;
  std::map<std::string, std::unique_ptr<RecordManager>, std::less<>> managers_;
  std::map<std::string, int, std::less<>> opens_;
  std::map<std::string, Record, std::less<>> histories_;
};

}  // namespace obrazac

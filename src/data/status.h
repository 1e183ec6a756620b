// The outcome of a run or a save: success, or why not. A failure of the table store or the file
// system carries the store's error code with its text, the driver's own words behind it and what
// it concerns (a table file, a folder, an obligor); a refusal by a rule carries the message the
// user sees. Texts are UTF-8, for the display edge.
#pragma once

#include <string>
#include <string_view>

namespace obrazac {

class Status {
 public:
  Status() = default;  // success

  // The store or the file system failed with `code`; `what` names what it concerns ("obveznik 7
  // ne postoji", "izlaz/F0015001.TXT"); `driverText` is the driver's own reason ("disk je pun").
  static Status store(int code, std::string what = {}, std::string driverText = {});
  // A rule or a check refused: its message as the user sees it, with the store code behind it
  // where there is one.
  static Status refused(std::string message, int code = 0);

  bool ok() const { return !failed_; }
  int code() const { return code_; }
  std::string_view storeText() const;  // "Record Not Found"; empty for code 0
  const std::string& what() const { return what_; }
  const std::string& driverText() const { return driverText_; }

  // For people: a refusal's message; "Greška 35 (Record Not Found): obveznik 7 ne postoji";
  // "Greška 90: disk je pun (izlaz/F0015001.TXT)" where the driver said why.
  std::string text() const;

 private:
  bool failed_ = false;
  bool refusal_ = false;
  int code_ = 0;
  std::string what_;
  std::string driverText_;
};

}  // namespace obrazac

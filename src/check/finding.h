// A finding of the formal control of a submission file: which line, which field, whether it is
// an error ("F", the file breaks a rule) or a warning ("U", an amount that looks wrong), whose
// data it concerns and what is wrong. Text is Windows-1250, as the work tables hold it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace obrazac::check {

enum class Severity : char { Error = 'F', Warning = 'U' };

struct Finding {
  std::int64_t line = 0;  // ULZ1:REDBROJ, from 1
  std::string field;      // ULZ1:KOLONA, the field code ("RS5IOSN")
  Severity severity = Severity::Error;
  std::string context;  // ULZ1:PREZIME: "Slog tipa 0", an obligor or a person
  std::string message;  // ULZ1:GRESKA, at most 140 characters are kept
  bool operator==(const Finding&) const = default;
};

// Where the checks of one line put what they find.
class FindingSink {
 public:
  virtual ~FindingSink() = default;
  virtual void add(std::string_view field, Severity severity, std::string_view context,
                   std::string_view message) = 0;
};

}  // namespace obrazac::check

// What an entry check of a form reports when it refuses a value or a save: the message the user
// sees (UTF-8, for the display edge), the field that gets the focus back and whether the system
// beep comes first. A check returns the first failing rule; no failure means the value stands.
#pragma once

#include <optional>
#include <string>

namespace obrazac {

struct CheckFailure {
  std::string message;  // UTF-8, exactly as shown
  std::string field;    // field label ("POS:MB01"); empty when the focus stays where it is
  bool beep = false;
  bool operator==(const CheckFailure&) const = default;
};

using CheckResult = std::optional<CheckFailure>;

}  // namespace obrazac

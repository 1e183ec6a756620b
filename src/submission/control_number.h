// The control number of a submission file: the SHA-1 digest of the file's bytes as 40
// hexadecimal digits in upper case, as it is printed in the boxes of page A and typed back from
// there. Page A keeps it as four groups of ten joined by "-". A file that cannot be read gives
// no control number and the reason.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace obrazac::submission {

struct ControlNumber {
  std::string digits;  // 40 hexadecimal digits, empty on failure
  std::string error;   // why there is none (UTF-8)
  bool ok() const { return !digits.empty(); }
};

// Streams the file through SHA-1.
ControlNumber controlNumberOfFile(const std::filesystem::path& file);

// The same over bytes in memory.
std::string controlNumberOfBytes(std::string_view bytes);

// "AAAAAAAAAA-BBBBBBBBBB-CCCCCCCCCC-DDDDDDDDDD": characters 1-10, 11-20, 21-30, 31-40.
std::string groupedControlNumber(std::string_view digits);

}  // namespace obrazac::submission

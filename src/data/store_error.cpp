#include "data/store_error.h"

#include <array>
#include <utility>

namespace obrazac {

std::string_view storeErrorText(int code) {
  static constexpr std::array<std::pair<int, std::string_view>, 32> kTexts{{
      {0, ""},
      {2, "File Not Found"},
      {3, "Path Not Found"},
      {4, "Too Many Open Files"},
      {5, "Access Denied"},
      {30, "Entry Not Found"},
      {32, "File Is Already Locked"},
      {33, "Record Not Available"},
      {35, "Record Not Found"},
      {36, "Invalid Data File"},
      {37, "File Not Open"},
      {38, "Invalid Key File"},
      {40, "Creates Duplicate Key"},
      {43, "Record Is Already Held"},
      {45, "Invalid Filename"},
      {46, "Key File Must Be Rebuilt"},
      {47, "Invalid Record Declaration"},
      {52, "File Already Open"},
      {54, "No Create Attribute"},
      {55, "File Must Be Shared"},
      {57, "Invalid Memo File"},
      {63, "Exclusive Access Required"},
      {64, "Sharing Violation"},
      {73, "Memo File Missing"},
      {75, "Invalid Field Type Descriptor"},
      {76, "Invalid Index String"},
      {77, "Unable To Access Index"},
      {79, "Unsupported Data Type In File"},
      {80, "Unsupported File Driver Function"},
      {88, "Invalid Key Length"},
      {89, "Record Changed By Another Station"},
      {90, "File System Error"},
  }};
  for (const auto& [c, text] : kTexts)
    if (c == code) return text;
  return "Unknown Error";
}

}  // namespace obrazac

// Error codes of the table store and their texts. Every table operation leaves one of these
// (0 = success) until the next operation; callers show them with their own words.
#pragma once

#include <string>
#include <string_view>

namespace obrazac {

namespace err {
inline constexpr int kOk = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kFileLocked = 32;
inline constexpr int kRecordNotAvailable = 33;  // past the end or the beginning of a walk
inline constexpr int kRecordNotFound = 35;
inline constexpr int kInvalidDataFile = 36;
inline constexpr int kFileNotOpen = 37;
inline constexpr int kDuplicateKey = 40;
inline constexpr int kRecordHeld = 43;  // another station holds the record (a server lock)
inline constexpr int kInvalidFilename = 45;
inline constexpr int kInvalidRecordDeclaration = 47;
inline constexpr int kFileAlreadyOpen = 52;
inline constexpr int kExclusiveAccessRequired = 63;
inline constexpr int kUnsupportedFunction = 80;
inline constexpr int kRecordChanged = 89;
inline constexpr int kFileSystemError = 90;
}  // namespace err

// "Creates Duplicate Key" for 40; "Unknown Error" for a code the store never sets.
std::string_view storeErrorText(int code);

}  // namespace obrazac

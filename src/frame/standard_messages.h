// The standard messages of the procedure frame: one table of numbered entries with their level,
// title and text, and the placeholder substitution that fills them. The texts are UTF-8 here;
// the values put into placeholders come as Windows-1250 domain text and are converted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace obrazac {

enum class MessageLevel {
  Benign = 0,
  Question = 1,
  ProgramError = 2,
  Fatal = 3,
  Question4 = 4,
  Notice = 5
};

struct StandardMessage {
  int id;
  MessageLevel level;
  std::string_view title;
  std::string_view text;
};

// The entry with this number, or nullptr.
const StandardMessage* standardMessage(int id);

// What the placeholders stand for when a message is shown (Windows-1250 values).
struct MessageValues {
  std::string file;         // %File (trailing blanks removed)
  std::string field;        // %Field
  std::string message;      // %Message
  int errorCode = 0;        // %ErrorCode; its store text is %Error
  std::string driverError;  // %FileError: the driver's own text behind code 90
  std::string driverCode;   // %FileErrorCode
  std::string previous;     // %Previous
};

// The text with every placeholder replaced, longer names first (%ErrorText before %Error).
std::string expandMessage(std::string_view text, const MessageValues& values);

// Title and text of a standard message ready to show (UTF-8).
struct ShownMessage {
  std::string title;
  std::string text;
};
ShownMessage showMessage(int id, const MessageValues& values);

}  // namespace obrazac

#include "cli/register_command.h"

#include <ostream>

#include "frame/save_message.h"
#include "frame/standard_messages.h"

namespace obrazac::cli {

int refusedByCheck(const Invocation& inv, const CheckFailure& failure,
                   std::span<const RegisterOption> options) {
  inv.err << failureText(failure, options) << "\n";
  return 1;
}

int refusedByStore(const Invocation& inv, const SaveResult& result, int storeMessage) {
  const StandardMessageCall call = saveMessage(result, storeMessage);
  const ShownMessage m = showMessage(call.id, call.values);
  inv.err << m.title << ": " << m.text << "\n";
  return 1;
}

int failed(const Invocation& inv, const Status& status) {
  inv.err << status.text() << "\n";
  return 1;
}

int numberOption(const RegisterWords& words, std::string_view name, int digits) {
  const auto it = words.extra.find(std::string(name));
  if (it == words.extra.end()) throw UsageError("nedostaje " + std::string(name));
  const std::string& text = it->second;
  if (text.empty() || text.size() > static_cast<std::size_t>(digits) ||
      text.find_first_not_of("0123456789") != std::string::npos)
    throw UsageError(std::string(name) + ": '" + text + "' nije broj od najviše " +
                     std::to_string(digits) + " znamenke");
  return std::stoi(text);
}

}  // namespace obrazac::cli

#include "cli/cli_reporter.h"

#include "data/date_text.h"
#include "data/field_value.h"

namespace obrazac::cli {

std::map<std::string, std::string> parseOptions(std::span<const std::string> args,
                                                std::initializer_list<std::string_view> known) {
  std::map<std::string, std::string> options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    bool isKnown = false;
    for (const auto k : known) isKnown = isKnown || word == k;
    if (!isKnown) throw UsageError("nepoznata opcija '" + word + "'");
    if (i + 1 >= args.size()) throw UsageError(word + " traži vrijednost");
    const std::string& value = args[++i];
    if (const auto unfit = unfitCharacter(value)) throw UsageError(word + ": " + *unfit);
    options[word] = value;
  }
  return options;
}

void limitWidths(const std::map<std::string, std::string>& options,
                 std::initializer_list<std::pair<std::string_view, int>> widths) {
  for (const auto& [name, width] : widths) {
    const auto it = options.find(std::string(name));
    if (it == options.end()) continue;
    if (const auto error = valueError(it->second, width))
      throw UsageError(std::string(name) + ": " + *error);
  }
}

Date parseDate(const std::string& text, std::string_view option) {
  if (const auto date = readDate(text)) return *date;
  throw UsageError(std::string(option) + ": " + notADate(text));
}

}  // namespace obrazac::cli

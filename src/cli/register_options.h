// The named options of the obligor and employee commands, one per field of their forms, and
// the columns of the employee import and of the lists for scripts, which carry the same names
// ("--year" and the column "year"). Each knows its field, the caption the form shows for it,
// the header of the printed list and how the form's entry takes a value.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/record.h"
#include "register/check_failure.h"
#include "register/monthly_entry.h"

namespace obrazac::cli {

enum class EntryKind {
  Text,    // up to the field's width of characters
  Digits,  // an unsigned whole number of at most `digits` digits, as the form's picture takes it
  Amount,  // a signed amount with at most two decimals that fits the field
};

struct RegisterOption {
  std::string_view name;     // without the dashes: "year"
  std::string_view field;    // "RAD:GODOBRA"
  std::string_view caption;  // the form's caption
  EntryKind kind;
  int digits = 0;             // Digits: the picture's digits
  std::string_view header{};  // the printed list's column; empty: not printed there
};

std::span<const RegisterOption> obligorOptions();
std::span<const RegisterOption> employeeOptions();

// The option of a name, with or without its leading dashes; nullptr when there is none.
const RegisterOption* findOption(std::span<const RegisterOption> options, std::string_view name);

// The words of an obligor or employee command after its action: "--name value" pairs of the
// register options in the order given, and of the command's other options (`extra`), and the
// flags without a value (`flags`, kept with the value "1"). Throws UsageError on any other word.
struct RegisterWords {
  std::vector<std::pair<const RegisterOption*, std::string>> typed;
  std::map<std::string, std::string> extra;
  bool has(std::string_view name) const { return extra.contains(std::string(name)); }
};
RegisterWords parseRegisterWords(std::span<const std::string> args,
                                 std::span<const RegisterOption> options,
                                 std::initializer_list<std::string_view> extra,
                                 std::initializer_list<std::string_view> flags = {});

// Puts each typed value into the record (UsageError "--year: ..." for a value the form's entry
// would not take) and returns the names of the fields typed.
TypedFields enterTyped(Record& record, const RegisterWords& words);

// Puts a typed value into the record as the form's entry would take it; otherwise says why not
// (UTF-8, without naming the option).
std::optional<std::string> enterValue(Record& record, const RegisterOption& option,
                                      std::string_view utf8);

// A refused save as the tool prints it: the form's message and, where the form would put the
// focus, the option and caption of that field: "Pogrešna oznaka mjeseca (--month, Mjesec
// obračuna)"; `column` names it as an import column instead ("stupac month").
std::string failureText(const CheckFailure& failure, std::span<const RegisterOption> options,
                        bool column = false);

}  // namespace obrazac::cli

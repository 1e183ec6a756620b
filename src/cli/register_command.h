// What the register commands share: how a refused save and a failure of the store are printed
// (the table command prints the store's refusals alike), and the number options that choose a
// record.
#pragma once

#include <string>
#include <string_view>

#include "cli/command.h"
#include "cli/register_options.h"
#include "data/record_manager.h"
#include "data/status.h"

namespace obrazac::cli {

// Prints the check's refusal as failureText does and returns exit code 1.
int refusedByCheck(const Invocation& inv, const CheckFailure& failure,
                   std::span<const RegisterOption> options);
// Prints the standard message of a save the store refused, as the forms show it (`storeMessage`
// for any other store failure: 4 insert, 25 change, 11 delete) and returns 1.
int refusedByStore(const Invocation& inv, const SaveResult& result, int storeMessage);
// Prints a failure of the store or a lookup and returns 1.
int failed(const Invocation& inv, const Status& status);

// The whole number of a required option among the extra words ("--employer"); UsageError when
// it is missing or not a number of at most `digits` digits.
int numberOption(const RegisterWords& words, std::string_view name, int digits = 3);

}  // namespace obrazac::cli

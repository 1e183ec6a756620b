// The header entries of the sending windows from the options of the send and takeover commands:
// the obligor is chosen as the window's list does, then every entry is accepted in screen order
// as if it had been typed, so the same messages follow.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "data/context.h"
#include "form/sending_header.h"

namespace obrazac::cli {

// The options both commands take: --employer, --type, --year, --month, --from, --to, --paid,
// --date, --form, --collective.
struct HeaderEntries {
  form::SendingHeader header;
  Status employer;                            // why the obligor could not be chosen
  std::vector<form::HeaderMessage> messages;  // of the entries, in screen order
};

// Throws UsageError on an unknown option, a missing required one or a value of the wrong form.
HeaderEntries headerFromOptions(Context& ctx, std::span<const std::string> args,
                                form::HeaderWindow window);

}  // namespace obrazac::cli

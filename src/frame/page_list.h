// The list of pages to print of a report, as the user types it: items separated by commas, each
// a page number ("5") or a range of pages ("1-3"). A range counts only when both numbers are at
// least 1 and the last is not below the first; an item that is neither is ignored, and so are
// pages the report does not have. Nothing usable prints nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace obrazac {

// The pages the list takes, ascending and once each, within 1..pageCount.
std::vector<int> pagesToPrint(std::string_view list, int pageCount);

// "1-" followed by the number of pages: every page.
std::string allPages(int pageCount);

}  // namespace obrazac

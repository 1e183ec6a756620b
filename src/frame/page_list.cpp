#include "frame/page_list.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace obrazac {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A whole number of digits only (blanks around it allowed); none when it is anything else. A
// number too large for any report stands for the largest.
std::optional<long long> number(std::string_view s) {
  s = trimmed(s);
  if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  long long n = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec == std::errc::result_out_of_range) return std::numeric_limits<long long>::max();
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return n;
}

}  // namespace

std::vector<int> pagesToPrint(std::string_view list, int pageCount) {
  std::vector<bool> taken(static_cast<std::size_t>(std::max(pageCount, 0)) + 1, false);
  const auto take = [&](long long first, long long last) {
    for (long long p = std::max(first, 1LL); p <= std::min<long long>(last, pageCount); ++p)
      taken[static_cast<std::size_t>(p)] = true;
  };
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    if (const std::size_t dash = item.find('-'); dash != std::string_view::npos) {
      const auto first = number(item.substr(0, dash));
      const auto last = number(item.substr(dash + 1));
      if (first && last && *first >= 1 && *last >= *first) take(*first, *last);
    } else if (const auto page = number(item)) {
      take(*page, *page);
    }
  }
  std::vector<int> pages;
  for (int p = 1; p <= pageCount; ++p)
    if (taken[static_cast<std::size_t>(p)]) pages.push_back(p);
  return pages;
}

std::string allPages(int pageCount) {
  return "1-" + std::to_string(pageCount);
}

}  // namespace obrazac

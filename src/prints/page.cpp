#include "prints/page.h"

#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::prints {

void Page::text(double x, double y, std::string_view utf8, FontRole role) {
  items.emplace_back(Text{.x = x, .y = y, .text = std::string(utf8), .role = role});
}

void Page::line(double x1, double y1, double x2, double y2, double weight) {
  items.emplace_back(Line{x1, y1, x2, y2, weight});
}

void Page::rect(double x, double y, double width, double height, double weight) {
  items.emplace_back(Rect{x, y, width, height, weight});
}

std::vector<const Text*> Page::texts() const {
  std::vector<const Text*> all;
  for (const auto& item : items)
    if (const auto* t = std::get_if<Text>(&item)) all.push_back(t);
  return all;
}

std::vector<std::string> boxChars(std::string_view cp1250, std::size_t count) {
  const std::string padded = padRight(cp1250, count);
  std::vector<std::string> chars;
  chars.reserve(count);
  for (char c : padded) chars.push_back(utf8FromCp1250(std::string_view(&c, 1)));
  return chars;
}

std::vector<std::string> wrapText(std::string_view cp1250, std::size_t width) {
  std::vector<std::string> lines;
  std::string_view rest = clipRight(cp1250);
  while (!rest.empty() && width > 0) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    std::size_t cut = rest.size();
    if (cut > width) {
      const std::size_t blank = rest.rfind(' ', width);
      cut = blank == std::string_view::npos || blank == 0 ? width : blank;
    }
    lines.push_back(utf8FromCp1250(clipRight(rest.substr(0, cut))));
    rest.remove_prefix(cut);
  }
  return lines;
}

}  // namespace obrazac::prints

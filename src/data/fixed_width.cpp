#include "data/fixed_width.h"

namespace obrazac {

std::string padRight(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string padLeft(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  std::string out(width - text.size(), ' ');
  out += text;
  return out;
}

}  // namespace obrazac

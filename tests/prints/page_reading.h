// Reading a built page back for the tests of the prints: the boxes of a form's item, the texts
// of the page, the values of each printed row of a sheet.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "prints/page.h"

namespace obrazac::testing {

// The characters of the boxes labelled `label`, joined ("" for a blank box stays " ").
inline std::string boxText(const prints::Page& page, std::string_view label) {
  for (const auto& item : page.items)
    if (const auto* b = std::get_if<prints::Boxes>(&item); b && b->label == label) {
      std::string text;
      for (const auto& c : b->chars) text += c.empty() ? " " : c;
      return text;
    }
  ADD_FAILURE() << "no boxes " << label;
  return {};
}

inline bool hasText(const prints::Page& page, std::string_view text) {
  const auto texts = page.texts();
  return std::any_of(texts.begin(), texts.end(), [&](const auto* t) { return t->text == text; });
}

// The texts of the given role grouped by line, top to bottom, each line left to right.
inline std::vector<std::vector<std::string>> textLines(const prints::Page& page,
                                                       prints::FontRole role) {
  std::map<double, std::map<double, std::string>> byLine;
  for (const auto* t : page.texts())
    if (t->role == role) byLine[t->y][t->x] = t->text;
  std::vector<std::vector<std::string>> lines;
  for (const auto& [y, line] : byLine) {
    auto& out = lines.emplace_back();
    for (const auto& [x, text] : line) out.push_back(text);
  }
  return lines;
}

}  // namespace obrazac::testing

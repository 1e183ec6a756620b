// The page model of every printed report: a report is a sequence of A4 pages, each holding items
// at millimetre positions from the top left corner of the paper (text in a font role with its
// alignment, rows of boxes with one character each, lines, rectangles). The core builds it; the
// renderer draws it. Text here is UTF-8, ready for display.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace obrazac::prints {

enum class Orientation { Portrait, Landscape };

// What a text is, not how it looks: the renderer picks family, size and weight for each role.
enum class FontRole {
  Body,        // captions and values of a list or form (proportional)
  Small,       // column headings and notes
  Heading,     // section titles, bold
  Title,       // the report's or the form's name, large bold
  Fixed,       // values written in the form's boxes
  FixedSmall,  // values of dense fixed-pitch columns
};

enum class Align { Left, Center, Right };

// A text whose top edge is at y. Left-aligned text starts at x; centred and right-aligned text
// is placed within [x, x + width]. A clipped text is cut at x + width (a value in a list's
// column stops before the next column); any other runs on as far as it is long.
struct Text {
  double x = 0, y = 0;
  std::string text{};
  FontRole role = FontRole::Body;
  Align align = Align::Left;
  double width = 0;
  bool clip = false;
};

// A row of adjoining boxes of the official form, one character in each ("" or " " leaves a box
// empty). `label` names the form's item the boxes hold ("I.5", "III.1").
struct Boxes {
  double x = 0, y = 0;
  double boxWidth = 0, height = 0;
  std::vector<std::string> chars{};
  std::string label{};
};

struct Line {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double weight = 0.2;  // pen width in millimetres
};

struct Rect {
  double x = 0, y = 0, width = 0, height = 0;
  double weight = 0.2;
};

using Item = std::variant<Text, Boxes, Line, Rect>;

struct Page {
  Orientation orientation = Orientation::Portrait;
  std::vector<Item> items{};

  double width() const { return orientation == Orientation::Portrait ? 210 : 297; }
  double height() const { return orientation == Orientation::Portrait ? 297 : 210; }

  void text(double x, double y, std::string_view utf8, FontRole role = FontRole::Body);
  void text(Text t) { items.emplace_back(std::move(t)); }
  void line(double x1, double y1, double x2, double y2, double weight = 0.2);
  void rect(double x, double y, double width, double height, double weight = 0.2);
  void boxes(Boxes b) { items.emplace_back(std::move(b)); }

  // Every text item in page order: for readers of a page (tests, a text dump).
  std::vector<const Text*> texts() const;
};

using Pages = std::vector<Page>;

// The characters of a Windows-1250 text, one UTF-8 character per box, cut or blank padded to
// `count` boxes.
std::vector<std::string> boxChars(std::string_view cp1250, std::size_t count);

// A Windows-1250 text broken into lines of at most `width` characters, at blanks where it can
// and inside a word only when the word alone is longer than a line. Lines are UTF-8 and keep no
// trailing blanks; a blank text gives no lines.
std::vector<std::string> wrapText(std::string_view cp1250, std::size_t width);

}  // namespace obrazac::prints

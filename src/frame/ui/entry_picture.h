// The picture of an entry: how many characters the entry takes, which characters it accepts and
// how a number shows in it. "s50" is a text of fifty characters, "N04" four digits with leading
// zeros, "N-_15`2" a signed amount with a decimal comma; without a picture the field decides.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "data/decimal.h"

class QLineEdit;

namespace obrazac::ui {

class EntryPicture {
 public:
  EntryPicture() = default;
  explicit EntryPicture(std::string_view picture);

  bool isNumber() const { return !number_.empty(); }
  int width() const { return width_; }  // characters; 0 when the picture names none
  // Limits what the entry takes: its length and, for a number, its characters.
  void applyTo(QLineEdit* edit) const;
  // A number as the entry shows it: the picture's text without the blanks in front.
  QString show(const Decimal& value) const;
  // The typed text without the picture's thousands separators.
  QString withoutGrouping(const QString& text) const;
  // The number typed into the entry (empty is zero); nullopt when it is no number.
  std::optional<Decimal> read(const QString& text) const;

 private:
  std::string number_;  // the numeric picture, empty for text
  int width_ = 0;
  int places_ = 0;
  bool sign_ = false;
  char grouping_ = 0;  // 0: none
  char mark_ = 0;      // the decimal mark shown; 0: none
};

}  // namespace obrazac::ui

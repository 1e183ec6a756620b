// "Sadržaj sloga": one line of a submission file cut into its fields, as the reviews of the
// formal control show it beside their lists. The group title names the record type, and up to
// 26 pairs show a label ("N" for a numeric field, "C" for text, then the field's name) and the
// field's text cut at its place in the record layout. A line of no known record type shows the
// pairs blank.
#pragma once

#include <QGroupBox>
#include <array>
#include <string_view>

class QLabel;

namespace obrazac::ui {

class RecordFieldsDisplay final : public QGroupBox {
  Q_OBJECT

 public:
  static constexpr int kPairs = 26;

  explicit RecordFieldsDisplay(QWidget* parent = nullptr);

  // Shows a whole line (Windows-1250, the record type in its last character).
  void showLine(std::string_view line);
  void clearLine();

  QLabel* label(int pair) const { return labels_[static_cast<std::size_t>(pair)]; }
  QLabel* value(int pair) const { return values_[static_cast<std::size_t>(pair)]; }

 private:
  std::array<QLabel*, kPairs> labels_{};
  std::array<QLabel*, kPairs> values_{};
};

}  // namespace obrazac::ui

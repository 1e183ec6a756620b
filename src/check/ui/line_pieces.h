// The line of a submission file in its five pieces of 50 characters, each under the column
// ruler, in a fixed-pitch font: what the record review shows under its list.
#pragma once

#include <QWidget>
#include <array>
#include <string_view>

class QLabel;

namespace obrazac::ui {

inline constexpr const char* kColumnRuler = "1---5---10---15---20---25---30---35---40---45---50";

class LinePieces final : public QWidget {
  Q_OBJECT

 public:
  explicit LinePieces(QWidget* parent = nullptr);
  // The whole line, Windows-1250.
  void showLine(std::string_view line);
  QLabel* piece(int i) const { return pieces_[static_cast<std::size_t>(i)]; }

 private:
  std::array<QLabel*, 5> pieces_{};
};

}  // namespace obrazac::ui

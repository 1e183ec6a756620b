// What the print preview shows and which of its controls are usable: the zoom in force (a row
// of the zoom table or a percentage the user typed), the page in focus, the first page of the
// tiled view and its pages across and down. Every rule of moving between pages and of changing
// the tiled layout lives here; the window only draws the result.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace obrazac {

struct ZoomRow {
  int percent;  // -2: tile pages, -1: page width
  std::string_view menuText;
  std::string_view statusText;
};

inline constexpr int kTilePages = -2;
inline constexpr int kPageWidth = -1;

// The zoom choices in menu order.
std::span<const ZoomRow> zoomTable();

class PreviewLayout {
 public:
  explicit PreviewLayout(int pages = 0) : pages_(pages) {}

  int pages() const { return pages_; }
  int currentPage() const { return current_; }
  int firstPage() const { return first_; }
  int across() const { return across_; }
  int down() const { return down_; }
  // 1-based row of the zoom table; 0: the percentage the user typed.
  int zoomIndex() const { return zoomIndex_; }
  int userPercent() const { return userPercent_; }
  // The percentage in force (kTilePages, kPageWidth or a percentage).
  int zoomPercent() const;
  bool tiled() const { return zoomPercent() == kTilePages; }
  // Pages actually shown: in the tiled view as many as fit from the first page.
  int shown() const;

  // The display's arguments: a zoom row (0 is the default, "Tile pages"), a page, the layout.
  void start(int zoomIndex, int page, int across, int down);
  void setZoomIndex(int row);
  // The zoom list's text: a row's menu text chooses that row, anything else its number. False
  // when the text holds no usable percentage (nothing changes).
  bool setZoomText(std::string_view text);
  // The page spin box, the next and previous items and the jump all end here.
  void goToPage(int page);
  void next() { goToPage(current_ + 1); }
  void previous() { goToPage(current_ - 1); }
  void setAcross(int n);
  void setDown(int n);
  // The "Change the Report Display" dialog: the new layout, back on page 1.
  void changeDisplay(int across, int down);

  bool canPrevious() const { return current_ > 1; }
  bool canNext() const { return current_ < pages_; }
  bool canJump() const { return pages_ > 1; }
  bool pageSpinEnabled() const { return pages_ > 1; }
  bool layoutSpinsEnabled() const { return pages_ > 1 && tiled(); }
  bool canChangeDisplay() const { return pages_ > 1 && tiled(); }

  std::string zoomStatus() const;    // "Zoom: Tile Pages", "Zoom: 150%"
  std::string pageStatus() const;    // "Page 3 of 10", "Page 1-4 of 10"
  std::string zoomListText() const;  // "Tile pages", "150% Zoom"

 private:
  bool runsPastEnd() const { return tiled() && first_ + across_ * down_ - 1 > pages_; }
  void fitChanged(int& changed);

  int pages_;
  int current_ = 1;
  int first_ = 1;
  int across_ = 1;
  int down_ = 1;
  int zoomIndex_ = 1;
  int userPercent_ = 100;
};

}  // namespace obrazac

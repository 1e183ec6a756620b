#include "frame/preview_layout.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace obrazac {
namespace {

constexpr std::array<ZoomRow, 7> kZoomTable{{
    {kTilePages, "Tile pages", "Zoom: Tile Pages"},
    {kPageWidth, "Page Width", "Zoom: Page Width"},
    {50, "50% Zoom", "Zoom: 50%"},
    {75, "75% Zoom", "Zoom: 75%"},
    {100, "100% Zoom", "Zoom: 100%"},
    {200, "200% Zoom", "Zoom: 200%"},
    {300, "300% Zoom", "Zoom: 300%"},
}};

constexpr int kLargestZoom = 1000;

}  // namespace

std::span<const ZoomRow> zoomTable() {
  return kZoomTable;
}

int PreviewLayout::zoomPercent() const {
  return zoomIndex_ ? kZoomTable[static_cast<std::size_t>(zoomIndex_ - 1)].percent : userPercent_;
}

int PreviewLayout::shown() const {
  if (pages_ == 0) return 0;
  return tiled() ? std::min(across_ * down_, pages_ - first_ + 1) : 1;
}

void PreviewLayout::start(int zoomIndex, int page, int across, int down) {
  zoomIndex_ = zoomIndex > 0 && zoomIndex <= static_cast<int>(kZoomTable.size()) ? zoomIndex : 1;
  across_ = std::max(across, 1);
  down_ = std::max(down, 1);
  current_ = first_ = std::clamp(page, 1, std::max(pages_, 1));
  goToPage(current_);
}

void PreviewLayout::setZoomIndex(int row) {
  if (row < 1 || row > static_cast<int>(kZoomTable.size())) return;
  zoomIndex_ = row;
  goToPage(current_);
}

bool PreviewLayout::setZoomText(std::string_view text) {
  for (std::size_t i = 0; i < kZoomTable.size(); ++i)
    if (text == kZoomTable[i].menuText) {
      setZoomIndex(static_cast<int>(i) + 1);
      return true;
    }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int percent = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), percent);
  if (ec != std::errc() || percent < 1) return false;
  (void)end;
  userPercent_ = std::min(percent, kLargestZoom);
  zoomIndex_ = 0;
  goToPage(current_);
  return true;
}

// A page already shown only takes the focus; otherwise the view starts at it, moved back so that
// a tiled view does not run past the last page.
void PreviewLayout::goToPage(int page) {
  if (pages_ == 0) return;
  current_ = std::clamp(page, 1, pages_);
  if (current_ >= first_ && current_ < first_ + shown()) return;
  first_ = current_;
  while (first_ >= 2 && runsPastEnd()) --first_;
}

void PreviewLayout::fitChanged(int& changed) {
  changed = std::max(changed, 1);
  while (runsPastEnd() && across_ >= 2 && down_ >= 2) --changed;
}

void PreviewLayout::setAcross(int n) {
  across_ = n;
  fitChanged(across_);
}

void PreviewLayout::setDown(int n) {
  down_ = n;
  fitChanged(down_);
}

void PreviewLayout::changeDisplay(int across, int down) {
  across_ = std::max(across, 1);
  down_ = std::max(down, 1);
  first_ = 1;
  goToPage(1);
}

std::string PreviewLayout::zoomStatus() const {
  if (zoomIndex_)
    return std::string(kZoomTable[static_cast<std::size_t>(zoomIndex_ - 1)].statusText);
  return "Zoom: " + std::to_string(userPercent_) + "%";
}

std::string PreviewLayout::pageStatus() const {
  const std::string of = " of " + std::to_string(pages_);
  if (tiled() && shown() >= 2)
    return "Page " + std::to_string(first_) + "-" + std::to_string(first_ + shown() - 1) + of;
  return "Page " + std::to_string(tiled() ? first_ : current_) + of;
}

std::string PreviewLayout::zoomListText() const {
  if (zoomIndex_) return std::string(kZoomTable[static_cast<std::size_t>(zoomIndex_ - 1)].menuText);
  return std::to_string(userPercent_) + "% Zoom";
}

}  // namespace obrazac

#include "frame/browse_pager.h"

#include <algorithm>
#include <cstdint>

#include "data/codepage.h"
#include "data/key_encoding.h"
#include "data/keyed_table.h"

namespace obrazac {
namespace {

// The characters the thumb steps through on a text key, in key order: the blank, digits and
// letters (Croatian ones in their places), upper case; lower case counts as upper case.
const std::string& thumbAlphabet() {
  static const std::string alphabet = [] {
    std::string a = " 0123456789" + cp1250("ABCČĆDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    std::sort(a.begin(), a.end(), [](char x, char y) {
      return collationWeight(static_cast<unsigned char>(x), true) <
             collationWeight(static_cast<unsigned char>(y), true);
    });
    return a;
  }();
  return alphabet;
}

constexpr int kThumbChars = 4;

std::int64_t thumbNumber(std::string_view text) {
  const std::string& a = thumbAlphabet();
  const auto base = static_cast<std::int64_t>(a.size());
  std::int64_t n = 0;
  for (int i = 0; i < kThumbChars; ++i) {
    std::size_t digit = 0;
    if (static_cast<std::size_t>(i) < text.size()) {
      const unsigned char w = collationWeight(static_cast<unsigned char>(text[i]), true);
      for (std::size_t d = 0; d < a.size(); ++d)
        if (collationWeight(static_cast<unsigned char>(a[d]), true) == w) digit = d;
    }
    n = n * base + static_cast<std::int64_t>(digit);
  }
  return n;
}

std::string thumbText(std::int64_t n) {
  const std::string& a = thumbAlphabet();
  const auto base = static_cast<std::int64_t>(a.size());
  std::string s(kThumbChars, ' ');
  for (int i = kThumbChars - 1; i >= 0; --i) {
    s[static_cast<std::size_t>(i)] = a[static_cast<std::size_t>(n % base)];
    n /= base;
  }
  return s;
}

}  // namespace

BrowsePager::BrowsePager(Table& table) : table_(table), rangeProbe_(table.decl()) {
  setOrder(Order{});
}

void BrowsePager::setOrder(Order order) {
  order_ = std::move(order);
  keyFields_.clear();
  const auto& keys = table_.decl().keys;
  if (order_.key >= 0 && order_.key < static_cast<int>(keys.size())) {
    const KeyDecl& k = keys[static_cast<std::size_t>(order_.key)];
    for (const auto& c : k.components) keyFields_.push_back(table_.decl().fieldIndex(c));
    keyNoCase_ = k.nocase;
  }
  order_.rangeComponents = std::clamp(order_.rangeComponents, 0, int(keyFields_.size()));
}

int BrowsePager::freeField() const {
  const auto c = static_cast<std::size_t>(freeComponent());
  return c < keyFields_.size() ? keyFields_[c] : -1;
}

void BrowsePager::setPageSize(int rows) {
  pageSize_ = std::max(1, rows);
  while (static_cast<int>(rows_.size()) > pageSize_) {
    if (current_ > 0 && current_ >= pageSize_) {
      rows_.pop_front();
      --current_;
    } else {
      rows_.pop_back();
    }
  }
}

const BrowsePager::Row* BrowsePager::highlighted() const {
  if (current_ < 0 || current_ >= static_cast<int>(rows_.size())) return nullptr;
  return &rows_[static_cast<std::size_t>(current_)];
}

void BrowsePager::setCurrent(int row) {
  if (rows_.empty()) return;
  current_ = std::clamp(row, 0, static_cast<int>(rows_.size()) - 1);
  settle();
}

void BrowsePager::primeRange(Record& r) const {
  if (order_.rangeComponents > 0 && order_.primeRange) order_.primeRange(r);
}

bool BrowsePager::inRange(const Record& r) const {
  for (int c = 0; c < order_.rangeComponents; ++c) {
    const int f = keyFields_[static_cast<std::size_t>(c)];
    if (!isTextField(r.field(f))) {
      if (r.integer(f) != rangeProbe_.integer(f)) return false;
      continue;
    }
    const std::string& a = r.text(f);
    const std::string& b = rangeProbe_.text(f);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (collationWeight(static_cast<unsigned char>(a[i]), keyNoCase_) !=
          collationWeight(static_cast<unsigned char>(b[i]), keyNoCase_))
        return false;
  }
  return true;
}

// Every move reads the range values afresh: a single-value range follows its variable.
void BrowsePager::beginMove() {
  error_ = 0;
  rangeProbe_.clear();
  primeRange(rangeProbe_);
}

// The buffer ends holding the highlighted record, as the list's window expects.
void BrowsePager::settle() {
  if (rows_.empty()) {
    current_ = -1;
    table_.clear();
    return;
  }
  current_ = std::clamp(current_, 0, static_cast<int>(rows_.size()) - 1);
  const Row& row = rows_[static_cast<std::size_t>(current_)];
  if (table_.reget(row.position) != 0) table_.record() = row.record;
}

bool BrowsePager::readOne(bool forward) {
  for (;;) {
    const int rc = forward ? table_.next() : table_.previous();
    if (rc != 0) {
      if (rc != err::kRecordNotAvailable) error_ = rc;
      return false;
    }
    if (!inRange(table_.record())) return false;
    if (order_.filter && !order_.filter(table_.record())) continue;
    return true;
  }
}

void BrowsePager::standAtStart() {
  table_.clear();
  primeRange(table_.record());
  table_.set(order_.key);
}

void BrowsePager::standAtEnd() {
  table_.clear();
  if (order_.rangeComponents > 0) {
    primeRange(table_.record());
    table_.setLastOf(order_.key, order_.rangeComponents);
  } else {
    table_.setLast(order_.key);
  }
}

// The walk stands at a row of the page; a row whose record is gone is stood in for by its key
// values (the walk then stands before the first record not less than them).
void BrowsePager::standAfter(const Row& row) {
  if (table_.setAt(order_.key, row.position) == 0) return;
  table_.record() = row.record;
  table_.set(order_.key);
}

bool BrowsePager::holds(Position p) const {
  return std::any_of(rows_.begin(), rows_.end(), [&](const Row& r) { return r.position == p; });
}

// Reads up to `count` records past the last row (forward) or before the first row; an empty
// page starts at the start or the end of the view. A full page drops rows at the other end.
int BrowsePager::fill(bool forward, int count) {
  if (count <= 0) return 0;
  // A page needs a few records, not the store's long read-ahead of a sequential walk.
  table_.send("QUICKSCAN=off");
  if (rows_.empty())
    forward ? standAtStart() : standAtEnd();
  else
    standAfter(forward ? rows_.back() : rows_.front());
  int read = 0;
  while (read < count && readOne(forward)) {
    if (holds(table_.position())) continue;
    Row row{table_.position(), table_.record()};
    if (forward) {
      rows_.push_back(std::move(row));
      if (static_cast<int>(rows_.size()) > pageSize_) {
        rows_.pop_front();
        --current_;
      }
    } else {
      rows_.push_front(std::move(row));
      ++current_;
      if (static_cast<int>(rows_.size()) > pageSize_) rows_.pop_back();
    }
    ++read;
  }
  return read;
}

void BrowsePager::top() {
  beginMove();
  rows_.clear();
  current_ = 0;
  fill(true, pageSize_);
  current_ = 0;
  settle();
}

void BrowsePager::bottom() {
  beginMove();
  rows_.clear();
  current_ = 0;
  fill(false, pageSize_);
  current_ = static_cast<int>(rows_.size()) - 1;
  settle();
}

void BrowsePager::down() {
  beginMove();
  if (rows_.empty()) return top();
  if (current_ + 1 < static_cast<int>(rows_.size()))
    ++current_;
  else if (fill(true, 1) == 1)
    current_ = static_cast<int>(rows_.size()) - 1;
  settle();
}

void BrowsePager::up() {
  beginMove();
  if (rows_.empty()) return top();
  if (current_ > 0)
    --current_;
  else if (fill(false, 1) == 1)
    current_ = 0;
  settle();
}

void BrowsePager::pageDown() {
  beginMove();
  if (rows_.empty()) return top();
  fill(true, pageSize_);
  current_ = std::min(current_ + pageSize_, static_cast<int>(rows_.size()) - 1);
  settle();
}

void BrowsePager::pageUp() {
  beginMove();
  if (rows_.empty()) return top();
  fill(false, pageSize_);
  current_ = std::max(current_ - pageSize_, 0);
  settle();
}

void BrowsePager::refill() {
  const Row* row = highlighted();
  if (!row) return top();
  const Anchor anchor{row->position, row->record};
  refillFrom(anchor);
}

void BrowsePager::refillAt(Position position, const Record& values) {
  refillFrom(Anchor{position, values});
}

void BrowsePager::locate(const Record& probe) {
  refillFrom(Anchor{Position{}, probe});
}

// Fills the page so that the anchor record stands where the highlight stood (with retainRow)
// and the page is full whenever the view has enough records.
void BrowsePager::refillFrom(const Anchor& anchor) {
  beginMove();
  const int keepAbove = retainRow ? std::clamp(current_, 0, pageSize_ - 1) : 0;
  rows_.clear();
  current_ = 0;
  bool found = false;
  if (anchor.position.row != 0 && table_.setAt(order_.key, anchor.position) == 0 &&
      table_.reget(anchor.position) == 0 && inRange(table_.record()) &&
      (!order_.filter || order_.filter(table_.record()))) {
    rows_.push_back(Row{anchor.position, table_.record()});
    found = true;
  } else if (anchor.values) {
    table_.record() = *anchor.values;
    primeRange(table_.record());
    table_.set(order_.key);
    if (readOne(true)) {
      rows_.push_back(Row{table_.position(), table_.record()});
      found = true;
    }
  }
  if (!found) {
    if (error_ != 0) return settle();
    rows_.clear();
    current_ = 0;
    fill(false, pageSize_);
    current_ = static_cast<int>(rows_.size()) - 1;
    return settle();
  }
  fill(true, pageSize_ - keepAbove - 1);
  const int shortfall = pageSize_ - static_cast<int>(rows_.size());
  fill(false, shortfall);
  settle();
}

std::optional<Record> BrowsePager::edgeRecord(bool last) {
  table_.send("QUICKSCAN=off");
  last ? standAtEnd() : standAtStart();
  if (!readOne(!last)) return std::nullopt;
  return table_.record();
}

// Reads the first and last record of the view unless the file, the order and the range are
// what they were when they were last read.
bool BrowsePager::edges() {
  const std::uint64_t generation = fileGeneration(table_.file());
  if (!low_ || !high_ || generation != edgesGeneration_ || edgesKey_ != order_.key ||
      !edgesRange_ || !(*edgesRange_ == rangeProbe_)) {
    low_ = edgeRecord(false);
    high_ = low_ ? edgeRecord(true) : std::nullopt;
    edgesGeneration_ = generation;
    edgesKey_ = order_.key;
    edgesRange_ = rangeProbe_;
  }
  return low_ && high_;
}

void BrowsePager::thumbTo(int percent) {
  if (percent <= 1) return top();
  if (percent >= 100) return bottom();
  const int f = freeField();
  beginMove();
  if (f < 0 || !edges()) {
    if (percent < 50) return pageUp();
    if (percent > 50) return pageDown();
    return settle();
  }
  const Record low = *low_;
  const Record high = *high_;
  Record probe(table_.decl());
  primeRange(probe);
  if (isTextField(probe.field(f))) {
    const std::string& a = low.text(f);
    const std::string& b = high.text(f);
    std::size_t common = 0;
    while (common < a.size() && common < b.size() && a[common] == b[common]) ++common;
    const std::int64_t na = thumbNumber(std::string_view(a).substr(common));
    const std::int64_t nb = thumbNumber(std::string_view(b).substr(common));
    probe.setText(f, a.substr(0, common) + thumbText(na + (nb - na) * percent / 100));
  } else {
    const std::int64_t na = low.integer(f);
    const std::int64_t nb = high.integer(f);
    probe.setInteger(f, na + (nb - na) * percent / 100);
  }
  locate(probe);
}

int BrowsePager::thumbPosition() {
  const Row* row = highlighted();
  const int f = freeField();
  if (!row || f < 0) return 0;
  const Record here = row->record;
  const Position at = row->position;
  beginMove();
  const bool known = edges();
  if (table_.position() != at && table_.reget(at) != 0) table_.record() = here;
  if (!known) return 0;
  const Record& low = *low_;
  const Record& high = *high_;
  std::int64_t a, b, x;
  if (isTextField(here.field(f))) {
    const std::string& lt = low.text(f);
    const std::string& ht = high.text(f);
    std::size_t common = 0;
    while (common < lt.size() && common < ht.size() && lt[common] == ht[common]) ++common;
    a = thumbNumber(std::string_view(lt).substr(common));
    b = thumbNumber(std::string_view(ht).substr(common));
    x = thumbNumber(std::string_view(here.text(f)).substr(std::min(common, here.text(f).size())));
  } else {
    a = low.integer(f);
    b = high.integer(f);
    x = here.integer(f);
  }
  if (b <= a) return 0;
  return static_cast<int>(std::clamp<std::int64_t>((x - a) * 100 / (b - a), 0, 100));
}

}  // namespace obrazac

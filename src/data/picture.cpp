#include "data/picture.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace obrazac {
namespace {

using U128 = unsigned __int128;
using U64 = std::uint64_t;

[[noreturn]] void badPicture(std::string_view picture, std::string_view why) {
  std::string message = "neispravna slika '";
  message.append(picture);
  message += "': ";
  message.append(why);
  throw std::invalid_argument(message);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isDecimalMark(char c) {
  return c == '.' || c == '`' || c == 'v';
}

// A mark followed by one or two digits: ".2", "`4", "v2".
bool isDecimalPart(std::string_view s) {
  return s.size() >= 2 && s.size() <= 3 && isDecimalMark(s[0]) &&
         std::all_of(s.begin() + 1, s.end(), isDigit);
}

bool isGroupingChar(char c) {
  return c == ' ' || (std::ispunct(static_cast<unsigned char>(c)) && c != '`');
}

// Writes the decimal digits of m in front of `end` and returns where they start. Amounts
// below 2^64 take the cheap 64-bit path.
char* writeDigits(U128 m, char* end) {
  char* p = end;
  if (m <= UINT64_MAX) {
    U64 v = static_cast<U64>(m);
    do {
      *--p = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v != 0);
    return p;
  }
  do {
    *--p = static_cast<char>('0' + static_cast<int>(m % 10));
    m /= 10;
  } while (m != 0);
  return p;
}

void writeTwo(char* p, int v, char leading) {
  p[0] = v < 10 ? leading : static_cast<char>('0' + v / 10);
  p[1] = static_cast<char>('0' + v % 10);
}

void writeFour(char* p, int v) {
  for (int i = 3; i >= 0; --i, v /= 10) p[i] = static_cast<char>('0' + v % 10);
}

}  // namespace

NumberPicture::NumberPicture(std::string_view picture) {
  std::size_t i = 0;
  if (picture.empty() || (picture[0] != 'N' && picture[0] != 'n'))
    badPicture(picture, "brojčana slika počinje slovom N");
  ++i;
  if (i < picture.size() && picture[i] == '-') {
    signMark_ = true;
    ++i;
  }
  bool filled = false;
  if (i < picture.size() && (picture[i] == '0' || picture[i] == '_')) {
    fill_ = picture[i] == '0' ? '0' : ' ';
    filled = true;
    ++i;
  }
  const std::size_t widthStart = i;
  int width = 0;
  for (; i < picture.size() && isDigit(picture[i]); ++i) {
    if (i - widthStart == 3) badPicture(picture, "prevelika širina");
    width = width * 10 + (picture[i] - '0');
  }
  if (i == widthStart) badPicture(picture, "nedostaje širina");

  std::string_view rest = picture.substr(i);
  char grouping = 0;
  if (!rest.empty() && !isDecimalPart(rest)) {
    if (rest.size() < 3 || !isGroupingChar(rest[0]) || !isDecimalPart(rest.substr(1)))
      badPicture(picture, "iza širine smije stajati samo znak grupiranja i decimalni dio");
    grouping = rest[0];
    rest.remove_prefix(1);
  }
  char markChar = 0;
  if (!rest.empty()) {
    markChar = rest[0];
    for (char c : rest.substr(1)) places_ = places_ * 10 + (c - '0');
  }
  mark_ = markChar == '.' ? '.' : markChar == '`' ? ',' : 0;
  if (grouping != 0 && grouping == mark_)
    badPicture(picture, "znak grupiranja jednak je decimalnom znaku");
  if (!filled) grouping_ = grouping != 0 ? grouping : markChar == '`' ? '.' : ',';

  width_ = width;
  wholeArea_ = width - places_ - (mark_ != 0 ? 1 : 0);
  if (wholeArea_ - (signMark_ ? 1 : 0) < 1)
    badPicture(picture, "širina ne ostavlja mjesta za znamenku jedinica");
}

std::string NumberPicture::format(const Decimal& value) const {
  std::string out(static_cast<std::size_t>(width_), ' ');
  render(out.data(), value);
  return out;
}

void NumberPicture::appendTo(std::string& out, const Decimal& value) const {
  const std::size_t at = out.size();
  out.append(static_cast<std::size_t>(width_), ' ');
  render(out.data() + at, value);
}

void NumberPicture::render(char* dst, const Decimal& value) const {
  const Decimal::Raw raw = value.roundTo(places_).raw();
  const U128 m = raw < 0 ? -static_cast<U128>(raw) : static_cast<U128>(raw);
  constexpr U64 kScale = static_cast<U64>(Decimal::kScale);
  U128 whole;
  U64 fraction;
  if (m <= UINT64_MAX) {
    whole = static_cast<U64>(m) / kScale;
    fraction = static_cast<U64>(m) % kScale;
  } else {
    whole = m / kScale;
    fraction = static_cast<U64>(m % kScale);
  }

  char digitBuf[40];
  char* const digitsEnd = digitBuf + sizeof digitBuf;
  const char* digits = writeDigits(whole, digitsEnd);
  const int n = static_cast<int>(digitsEnd - digits);
  const int digitArea = wholeArea_ - (signMark_ ? 1 : 0);

  if (n > digitArea) {
    std::fill(dst, dst + width_, '#');
    if (mark_ != 0) dst[wholeArea_] = mark_;
    return;
  }

  // Decimal mark and places; a picture with more places than a Decimal holds gets zeros.
  char* p = dst + wholeArea_;
  if (mark_ != 0) *p++ = mark_;
  char fractionDigits[Decimal::kPlaces];
  for (int k = Decimal::kPlaces - 1; k >= 0; --k, fraction /= 10)
    fractionDigits[k] = static_cast<char>('0' + fraction % 10);
  for (int k = 0; k < places_; ++k) *p++ = k < Decimal::kPlaces ? fractionDigits[k] : '0';

  // Whole part from the units digit leftwards, keeping only the separators that fit.
  const int separators = grouping_ != 0 ? std::min((n - 1) / 3, digitArea - n) : 0;
  int pos = wholeArea_;
  for (int k = 0; k < n; ++k) {
    if (k > 0 && k % 3 == 0 && k / 3 <= separators) dst[--pos] = grouping_;
    dst[--pos] = digitsEnd[-1 - k];
  }
  std::fill(dst, dst + pos, fill_);
  if (signMark_ && raw < 0) dst[fill_ == '0' ? 0 : pos - 1] = '-';
}

std::string formatNumber(const Decimal& value, std::string_view picture) {
  return NumberPicture(picture).format(value);
}

std::string formatDate(Date date, std::string_view picture) {
  const bool compact = picture == "D12";
  if (!compact && picture != "D6.") badPicture(picture, "poznate slike datuma su D12 i D6.");
  std::string out(compact ? 8 : 10, ' ');
  if (date.isNull()) return out;
  const CivilDate c = date.civil();
  if (c.year < 0 || c.year > 9999) {
    std::fill(out.begin(), out.end(), '#');
    return out;
  }
  char* p = out.data();
  if (compact) {
    writeFour(p, c.year);
    writeTwo(p + 4, c.month, '0');
    writeTwo(p + 6, c.day, '0');
  } else {
    writeTwo(p, c.day, ' ');
    p[2] = '.';
    writeTwo(p + 3, c.month, '0');
    p[5] = '.';
    writeFour(p + 6, c.year);
  }
  return out;
}

std::string formatTime(TimeOfDay time, std::string_view picture) {
  if (picture != "T1") badPicture(picture, "poznata slika vremena je T1");
  std::string out(5, ' ');
  if (time.value() == 0) return out;
  if (time.value() < 0 || time.hours() > 99) {
    std::fill(out.begin(), out.end(), '#');
    return out;
  }
  writeTwo(out.data(), time.hours(), ' ');
  out[2] = ':';
  writeTwo(out.data() + 3, time.minutes(), '0');
  return out;
}

std::optional<Decimal> readAmount(std::string_view field) {
  if (field.size() != 15) return std::nullopt;
  const char lead = field[0];
  if (lead != '-' && lead != '+' && lead != '0' && lead != ' ') return std::nullopt;
  std::int64_t hundredths = 0;
  for (char c : field.substr(1)) {
    if (!isDigit(c)) return std::nullopt;
    hundredths = hundredths * 10 + (c - '0');
  }
  return Decimal::fromUnits(lead == '-' ? -hundredths : hundredths, 2);
}

}  // namespace obrazac

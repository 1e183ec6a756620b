#include "data/decimal.h"

#include <array>
#include <ostream>

namespace obrazac {
namespace {

using Raw = Decimal::Raw;
using U128 = unsigned __int128;
using U64 = std::uint64_t;

constexpr Raw kPow10[] = {1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

U128 magnitude(Raw r) {
  return r < 0 ? -static_cast<U128>(r) : static_cast<U128>(r);
}

// n / d rounded half away from zero, for d > 0 and |n| well inside the range.
Raw divideRounded(Raw n, Raw d) {
  Raw q = n / d;
  const Raw r = n % d;
  if (r >= d - r) ++q;
  if (-r >= d + r) --q;
  return q;
}

void checkPlaces(int places) {
  if (places < 0 || places > Decimal::kPlaces)
    throw std::invalid_argument("broj decimala polja mora biti od 0 do 8, a ne " +
                                std::to_string(places));
}

// An unsigned 256-bit number as four 64-bit limbs, least significant first: just enough to
// hold the full product of two amounts before it is scaled back.
struct U256 {
  std::array<U64, 4> limb{};

  static U256 product(U128 a, U128 b) {
    const U64 a0 = static_cast<U64>(a), a1 = static_cast<U64>(a >> 64);
    const U64 b0 = static_cast<U64>(b), b1 = static_cast<U64>(b >> 64);
    U256 p;
    const U128 p00 = static_cast<U128>(a0) * b0;
    const U128 p01 = static_cast<U128>(a0) * b1;
    const U128 p10 = static_cast<U128>(a1) * b0;
    const U128 p11 = static_cast<U128>(a1) * b1;
    p.limb[0] = static_cast<U64>(p00);
    U128 mid = (p00 >> 64) + static_cast<U64>(p01) + static_cast<U64>(p10);
    p.limb[1] = static_cast<U64>(mid);
    U128 high = (mid >> 64) + (p01 >> 64) + (p10 >> 64) + static_cast<U64>(p11);
    p.limb[2] = static_cast<U64>(high);
    p.limb[3] = static_cast<U64>((high >> 64) + static_cast<U64>(p11 >> 64));
    return p;
  }

  bool fitsRaw() const { return limb[3] == 0 && limb[2] == 0 && (limb[1] >> 63) == 0; }
  U128 low() const { return (static_cast<U128>(limb[1]) << 64) | limb[0]; }
  bool bit(int i) const { return (limb[i / 64] >> (i % 64)) & 1; }
  void setBit(int i) { limb[i / 64] |= U64{1} << (i % 64); }

  void increment() {
    for (U64& l : limb)
      if (++l != 0) break;
  }

  // Divides in place by a small divisor and returns the remainder.
  U64 divideSmall(U64 d) {
    U128 rem = 0;
    for (int i = 3; i >= 0; --i) {
      const U128 cur = (rem << 64) | limb[i];
      limb[i] = static_cast<U64>(cur / d);
      rem = cur % d;
    }
    return static_cast<U64>(rem);
  }

  // Divides in place by d (0 < d < 2^127) bit by bit and returns the remainder. Used only for
  // quotients of very large amounts, so simplicity wins over speed.
  U128 divideWide(U128 d) {
    U256 q;
    U128 rem = 0;
    for (int i = 255; i >= 0; --i) {
      rem = (rem << 1) | (bit(i) ? 1 : 0);
      if (rem >= d) {
        rem -= d;
        q.setBit(i);
      }
    }
    *this = q;
    return rem;
  }
};

Raw signedResult(const U256& m, bool negative) {
  if (!m.fitsRaw()) throw std::overflow_error("iznos je izvan raspona decimalnog broja");
  const Raw r = static_cast<Raw>(m.low());
  return negative ? -r : r;
}

// Writes the decimal digits of m at the end of buf and returns where they start.
char* writeDigits(U128 m, char* end) {
  char* p = end;
  do {
    *--p = static_cast<char>('0' + static_cast<int>(m % 10));
    m /= 10;
  } while (m != 0);
  return p;
}

}  // namespace

Raw Decimal::multiplyWide(Raw a, Raw b) {
  U256 p = U256::product(magnitude(a), magnitude(b));
  const U64 rem = p.divideSmall(static_cast<U64>(kScale));
  if (rem >= static_cast<U64>(kScale / 2)) p.increment();
  return signedResult(p, (a < 0) != (b < 0));
}

Raw Decimal::divide(Raw a, Raw b) {
  if (b == 0) return 0;
  const bool negative = (a < 0) != (b < 0);
  const U128 d = magnitude(b);
  U256 n = U256::product(magnitude(a), static_cast<U128>(kScale));
  U128 rem;
  if (n.limb[3] == 0 && n.limb[2] == 0) {
    const U128 n128 = n.low();
    n = U256::product(n128 / d, 1);
    rem = n128 % d;
  } else {
    rem = n.divideWide(d);
  }
  if (rem >= d - rem) n.increment();
  return signedResult(n, negative);
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  constexpr U128 kMaxWhole = static_cast<U128>(kMaxRaw / kScale);
  U128 whole = 0;
  int digits = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    whole = whole * 10 + static_cast<unsigned>(text[i] - '0');
    if (whole > kMaxWhole) return std::nullopt;
  }
  U128 fraction = 0;
  bool roundUp = false;
  if (i < text.size() && text[i] == '.') {
    int places = 0;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits, ++places) {
      const unsigned digit = static_cast<unsigned>(text[i] - '0');
      if (places < kPlaces) fraction = fraction * 10 + digit;
      if (places == kPlaces) roundUp = digit >= 5;
    }
    for (; places < kPlaces; ++places) fraction *= 10;
  }
  if (digits == 0 || i != text.size()) return std::nullopt;
  const U128 m = whole * static_cast<U128>(kScale) + fraction + (roundUp ? 1 : 0);
  if (m > static_cast<U128>(kMaxRaw)) return std::nullopt;
  const Raw r = static_cast<Raw>(m);
  return Decimal(negative ? -r : r, RawTag{});
}

Decimal Decimal::fromUnits(std::int64_t units, int places) {
  checkPlaces(places);
  return Decimal(static_cast<Raw>(units) * kPow10[kPlaces - places], RawTag{});
}

std::int64_t Decimal::toUnits(int places) const {
  checkPlaces(places);
  const Raw units = divideRounded(raw_, kPow10[kPlaces - places]);
  if (units > INT64_MAX || units < INT64_MIN) throwOverflow();
  return static_cast<std::int64_t>(units);
}

Decimal Decimal::roundTo(int places) const {
  if (places < 0) throw std::invalid_argument("broj decimala ne može biti negativan");
  if (places >= kPlaces) return *this;
  const Raw step = kPow10[kPlaces - places];
  const Raw units = divideRounded(raw_, step);
  // |units · step| can exceed the range only by rounding the very largest values up.
  Raw r;
  if (__builtin_mul_overflow(units, step, &r)) throwOverflow();
  checkRange(r);
  return Decimal(r, RawTag{});
}

std::int64_t Decimal::integerPart() const {
  const Raw whole = raw_ / kScale;
  if (whole > INT64_MAX || whole < INT64_MIN) throwOverflow();
  return static_cast<std::int64_t>(whole);
}

std::string Decimal::toString() const {
  std::string s = toString(kPlaces);
  const std::size_t point = s.find('.');
  std::size_t end = s.find_last_not_of('0');
  if (end == point) --end;
  s.erase(end + 1);
  return s;
}

std::string Decimal::toString(int places) const {
  if (places < 0) throw std::invalid_argument("broj decimala ne može biti negativan");
  const U128 m = magnitude(roundTo(places).raw_);
  char buf[48];
  char* end = buf + sizeof buf;
  char* first = writeDigits(m / static_cast<U128>(kScale), end);
  std::string s;
  s.reserve(static_cast<std::size_t>(end - first + places + 2));
  if (raw_ < 0 && m != 0) s += '-';
  s.append(first, end);
  if (places == 0) return s;
  s += '.';
  char frac[kPlaces];
  U64 f = static_cast<U64>(m % static_cast<U128>(kScale));
  for (int i = kPlaces - 1; i >= 0; --i, f /= 10) frac[i] = static_cast<char>('0' + f % 10);
  s.append(frac, static_cast<std::size_t>(places < kPlaces ? places : kPlaces));
  if (places > kPlaces) s.append(static_cast<std::size_t>(places - kPlaces), '0');
  return s;
}

std::ostream& operator<<(std::ostream& out, const Decimal& d) {
  return out << d.toString();
}

}  // namespace obrazac

// Exact decimal amounts. Every amount, rate, count and sum the program computes is a Decimal:
// a signed fixed-point number held as an integer count of 10^-8, so money never meets binary
// floating point. The range (about ±1.7·10^30) holds a 15-digit amount times a 5-digit rate,
// and any sum over a whole submission file, with every digit kept.
//
// Rounding is always half away from zero: 2.675 → 2.68, −2.675 → −2.68.
// Results outside the range throw std::overflow_error; division by zero gives zero, the way the
// forms show a share of an empty total as nothing rather than stopping the run.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace obrazac {

class Decimal {
 public:
  using Raw = __int128;                             // the value in units of 10^-8
  static constexpr int kPlaces = 8;                 // decimal places held
  static constexpr Raw kScale = 100'000'000;        // 10^kPlaces
  static constexpr Raw kMaxRaw = ~(Raw(1) << 127);  // 2^127 − 1; the range is symmetric

  constexpr Decimal() = default;

  // A whole number. Only integers convert; a double is refused at compile time.
  template <typename T>
  requires(std::integral<T> && !std::same_as<T, bool>) constexpr explicit Decimal(T whole)
      : raw_(static_cast<Raw>(whole) * kScale) {}

  static constexpr Decimal fromRaw(Raw raw) {
    checkRange(raw);
    return Decimal(raw, RawTag{});
  }
  constexpr Raw raw() const { return raw_; }

  // Plain decimal text: optional blanks, an optional sign, digits with an optional point and
  // fraction, optional blanks ("-1234.56", " +12 ", "0.005", ".5"). More than eight decimals
  // round half away from zero. Anything else, or a value out of range, gives nullopt.
  static std::optional<Decimal> parse(std::string_view text);

  // A DECIMAL field of p places (0..8) is stored as an integer count of its last place:
  // 123.45 in a field of 2 places is 12345 units. toUnits rounds to the field first and throws
  // std::overflow_error when the count does not fit 64 bits; places outside 0..8 throw
  // std::invalid_argument.
  static Decimal fromUnits(std::int64_t units, int places);
  std::int64_t toUnits(int places) const;

  // Rounded to `places` decimals, half away from zero; 8 or more leaves the value as it is.
  // Negative places throw std::invalid_argument.
  Decimal roundTo(int places) const;

  constexpr bool isZero() const { return raw_ == 0; }
  constexpr int sign() const { return raw_ < 0 ? -1 : raw_ > 0 ? 1 : 0; }
  constexpr Decimal abs() const { return raw_ < 0 ? -*this : *this; }
  constexpr Decimal operator-() const { return Decimal(-raw_, RawTag{}); }

  // The whole part, truncated toward zero (−7.9 → −7); std::overflow_error beyond 64 bits.
  std::int64_t integerPart() const;

  // "1234.5", "-0.005", "7": a point only when there is a fraction, no trailing zeros.
  std::string toString() const;
  // Exactly `places` decimals after rounding half away from zero ("2.68", "5.00", "12").
  std::string toString(int places) const;

  constexpr Decimal& operator+=(Decimal o) {
    Raw r;
    if (__builtin_add_overflow(raw_, o.raw_, &r)) throwOverflow();
    checkRange(r);
    raw_ = r;
    return *this;
  }
  constexpr Decimal& operator-=(Decimal o) {
    Raw r;
    if (__builtin_sub_overflow(raw_, o.raw_, &r)) throwOverflow();
    checkRange(r);
    raw_ = r;
    return *this;
  }
  // The product and the quotient are rounded to the eighth place, half away from zero.
  Decimal& operator*=(Decimal o) {
    raw_ = multiply(raw_, o.raw_);
    return *this;
  }
  Decimal& operator/=(Decimal o) {
    raw_ = divide(raw_, o.raw_);
    return *this;
  }

  friend constexpr Decimal operator+(Decimal a, Decimal b) { return a += b; }
  friend constexpr Decimal operator-(Decimal a, Decimal b) { return a -= b; }
  friend Decimal operator*(Decimal a, Decimal b) { return a *= b; }
  friend Decimal operator/(Decimal a, Decimal b) { return a /= b; }

  friend constexpr bool operator==(const Decimal&, const Decimal&) = default;
  friend constexpr std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    return a.raw_ < b.raw_   ? std::strong_ordering::less
           : a.raw_ > b.raw_ ? std::strong_ordering::greater
                             : std::strong_ordering::equal;
  }

 private:
  struct RawTag {};
  constexpr Decimal(Raw raw, RawTag) : raw_(raw) {}

  [[noreturn]] static void throwOverflow() {
    throw std::overflow_error("iznos je izvan raspona decimalnog broja");
  }
  static constexpr void checkRange(Raw r) {
    if (r < -kMaxRaw) throwOverflow();
  }

  static Raw multiply(Raw a, Raw b);
  static Raw multiplyWide(Raw a, Raw b);
  static Raw divide(Raw a, Raw b);

  Raw raw_ = 0;
};

// Both operands below 2^63 units: the product fits 126 bits, so no wide arithmetic is needed.
inline Decimal::Raw Decimal::multiply(Raw a, Raw b) {
  constexpr Raw kNarrow = Raw(1) << 63;
  if (a >= kNarrow || a <= -kNarrow || b >= kNarrow || b <= -kNarrow) return multiplyWide(a, b);
  const Raw p = a * b;
  Raw q = p / kScale;
  const Raw r = p % kScale;
  if (r >= kScale / 2) ++q;
  if (r <= -kScale / 2) --q;
  return q;
}

std::ostream& operator<<(std::ostream& out, const Decimal& d);

}  // namespace obrazac

#include "register/identifier_checks.h"

#include <cstddef>

#include "data/fixed_width.h"

namespace obrazac {
namespace {

// The digit at 1-based position n; a non-digit or a position past the end counts as 0.
int digit(std::string_view text, std::size_t n) {
  if (n > text.size()) return 0;
  const char c = text[n - 1];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

constexpr int kWeightsJMBG[] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
constexpr int kWeightsMB[] = {8, 7, 6, 5, 4, 3, 2};
constexpr int kWeightsOpcina[] = {4, 3, 2};

// Remainder modulo 11 of the weighted sum of the digits before the check digit.
template <std::size_t N>
int weightedRemainder(std::string_view text, const int (&weights)[N]) {
  int sum = 0;
  for (std::size_t n = 1; n <= N; ++n) sum += weights[n - 1] * digit(text, n);
  return sum % 11;
}

// MB and municipality code share the rule: remainder 0 is invalid, remainder 1 wants 0.
template <std::size_t N>
bool checkDigitMatches(std::string_view text, const int (&weights)[N]) {
  const int r = weightedRemainder(text, weights);
  if (r == 0) return false;
  return digit(text, N + 1) == (r == 1 ? 0 : 11 - r);
}

}  // namespace

bool ProvjeraJMBG(std::string_view jmbg) {
  // The remainders are swapped against MB: 1 is invalid, 0 wants 0.
  const int r = weightedRemainder(jmbg, kWeightsJMBG);
  if (r == 1) return false;
  return digit(jmbg, 13) == (r == 0 ? 0 : 11 - r);
}

bool ProvjeraMB(std::string_view mb) {
  return checkDigitMatches(mb, kWeightsMB);
}

bool ProvjeraSifreOpcine(std::string_view sifra) {
  return checkDigitMatches(sifra, kWeightsOpcina);
}

Date DatumIzJMBG(std::string_view jmbg) {
  const int day = digit(jmbg, 1) * 10 + digit(jmbg, 2);
  const int month = digit(jmbg, 3) * 10 + digit(jmbg, 4);
  const int d5 = digit(jmbg, 5);
  const int year = (d5 == 0 ? 2000 : 1000) + d5 * 100 + digit(jmbg, 6) * 10 + digit(jmbg, 7);
  return Date::fromParts(month, day, year);
}

bool isAbsentMB(std::string_view mb) {
  const std::string_view v = clipRight(mb);
  return v.empty() || v == "00000000";
}

bool isAbsentJMBG(std::string_view jmbg) {
  const std::string_view v = clipRight(jmbg);
  return v.empty() || v == "0000000000000";
}

}  // namespace obrazac

// Keys as byte strings whose memcmp order is the key order, so an ordinary index keeps them:
// text at its full width through a collation table (codes by bytes, letters in Croatian
// alphabetical order, case folded on NOCASE keys), numbers as sign-flipped big-endian integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/record.h"
#include "data/table_decl.h"

namespace obrazac {

// The weight of each Windows-1250 byte in text order: controls, blank, punctuation and digits in
// byte order, then letters A a B b C c Č č Ć ć D d Đ đ ... Z z Ž ž, then the remaining bytes.
// With fold, lower-case letters weigh as their capitals.
unsigned char collationWeight(unsigned char byte, bool fold);

// A number as a key component: eight bytes, big-endian with the sign bit flipped.
void appendNumberKey(std::string& out, std::int64_t number);

// The smallest byte string above every key that begins with `prefix` (its last byte that can
// grow grows, what follows goes): the end of a range of keys. None when the prefix is empty or
// all 0xFF bytes.
std::optional<std::string> keyPrefixEnd(std::string prefix);

// A key with its component fields resolved to record indices, ready to encode records.
struct CompiledKey {
  const KeyDecl* decl = nullptr;
  std::vector<int> fields;

  static CompiledKey compile(const TableDecl& table, const KeyDecl& key);

  // nullopt for an OPT key whose components are all blank or zero (the record stays out of it).
  std::optional<std::string> encode(const Record& record) const;
  // The same into `out`, reusing its storage; false (and `out` empty) where nullopt is above.
  bool encode(const Record& record, std::string& out) const;
  // The first `count` components only: the leading part of the key, for ranges.
  std::string encodePrefix(const Record& record, std::size_t count) const;
  bool isEmpty(const Record& record) const;
};

}  // namespace obrazac

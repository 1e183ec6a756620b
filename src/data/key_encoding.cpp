#include "data/key_encoding.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "data/fixed_width.h"

namespace obrazac {
namespace {

struct CollationTables {
  std::array<unsigned char, 256> exact{};
  std::array<unsigned char, 256> folded{};
};

// Letters of the alphabet as (capital, small) Windows-1250 pairs, in alphabetical order.
constexpr std::array<std::pair<unsigned char, unsigned char>, 31> kLetters{{
    {'A', 'a'},
    {'B', 'b'},
    {'C', 'c'},
    {0xC8, 0xE8} /* Č č */,
    {0xC6, 0xE6} /* Ć ć */,
    {'D', 'd'},
    {0xD0, 0xF0} /* Đ đ */,
    {'E', 'e'},
    {'F', 'f'},
    {'G', 'g'},
    {'H', 'h'},
    {'I', 'i'},
    {'J', 'j'},
    {'K', 'k'},
    {'L', 'l'},
    {'M', 'm'},
    {'N', 'n'},
    {'O', 'o'},
    {'P', 'p'},
    {'Q', 'q'},
    {'R', 'r'},
    {'S', 's'},
    {0x8A, 0x9A} /* Š š */,
    {'T', 't'},
    {'U', 'u'},
    {'V', 'v'},
    {'W', 'w'},
    {'X', 'x'},
    {'Y', 'y'},
    {'Z', 'z'},
    {0x8E, 0x9E} /* Ž ž */,
}};

CollationTables buildTables() {
  CollationTables t;
  std::array<bool, 256> isLetter{};
  for (const auto& [cap, small] : kLetters) isLetter[cap] = isLetter[small] = true;
  unsigned weight = 0;
  // Everything before 'A' in byte order that is not a letter: controls, blank, punctuation,
  // digits. Then the letters. Then every other byte in byte order.
  for (unsigned b = 0; b < 'A'; ++b)
    t.exact[b] = t.folded[b] = static_cast<unsigned char>(weight++);
  for (const auto& [cap, small] : kLetters) {
    t.exact[cap] = t.folded[cap] = t.folded[small] = static_cast<unsigned char>(weight++);
    t.exact[small] = static_cast<unsigned char>(weight++);
  }
  for (unsigned b = 'A'; b < 256; ++b) {
    if (isLetter[b]) continue;
    t.exact[b] = t.folded[b] = static_cast<unsigned char>(weight++);
  }
  return t;
}

const CollationTables& tables() {
  static const CollationTables t = buildTables();
  return t;
}

void appendComponent(std::string& out, const Record& record, int field, bool fold) {
  const FieldDecl& f = record.field(field);
  if (f.type == FieldType::String || f.type == FieldType::Memo) {
    const auto& table = fold ? tables().folded : tables().exact;
    const std::string& text = record.text(field);
    const std::size_t start = out.size();
    out.resize(start + text.size());
    std::transform(
        text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(start),
        [&table](char c) { return static_cast<char>(table[static_cast<unsigned char>(c)]); });
    return;
  }
  appendNumberKey(out, record.integer(field));
}

// The first `count` components of the key.
void appendComponents(std::string& out, const Record& record, const CompiledKey& key,
                      std::size_t count) {
  for (std::size_t i = 0; i < count && i < key.fields.size(); ++i)
    appendComponent(out, record, key.fields[i], key.decl->nocase);
}

bool componentIsEmpty(const Record& record, int field) {
  const FieldDecl& f = record.field(field);
  if (f.type == FieldType::String || f.type == FieldType::Memo) return isBlank(record.text(field));
  return record.integer(field) == 0;
}

}  // namespace

void appendNumberKey(std::string& out, std::int64_t number) {
  const auto biased = static_cast<std::uint64_t>(number) ^ 0x8000000000000000ULL;
  char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((biased >> (56 - 8 * i)) & 0xFF);
  out.append(bytes, sizeof bytes);
}

unsigned char collationWeight(unsigned char byte, bool fold) {
  return fold ? tables().folded[byte] : tables().exact[byte];
}

CompiledKey CompiledKey::compile(const TableDecl& table, const KeyDecl& key) {
  CompiledKey k;
  k.decl = &key;
  for (const auto& name : key.components) k.fields.push_back(table.fieldIndex(name));
  return k;
}

bool CompiledKey::isEmpty(const Record& record) const {
  for (const int f : fields)
    if (!componentIsEmpty(record, f)) return false;
  return true;
}

std::string CompiledKey::encodePrefix(const Record& record, std::size_t count) const {
  std::string out;
  appendComponents(out, record, *this, count);
  return out;
}

bool CompiledKey::encode(const Record& record, std::string& out) const {
  out.clear();
  if (decl->opt && isEmpty(record)) return false;
  appendComponents(out, record, *this, fields.size());
  return true;
}

std::optional<std::string> CompiledKey::encode(const Record& record) const {
  std::string out;
  if (!encode(record, out)) return std::nullopt;
  return out;
}

std::optional<std::string> keyPrefixEnd(std::string prefix) {
  while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
  if (prefix.empty()) return std::nullopt;
  prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
  return prefix;
}

}  // namespace obrazac

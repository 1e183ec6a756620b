#include "check/code_lookups.h"

#include "data/fixed_width.h"

namespace obrazac::check {
namespace {

struct ListTable {
  const char* prefix;
  const char* key;
};

constexpr ListTable kLists[] = {
    {"VOB", "KEYSIFRA"}, {"VUP", "KEYSIFRA"}, {"TBO", "KEYSIFRA"},
    {"STA", "KEYSIFRA"}, {"OPC", "KEYSIFRA"},
};

// The store's lookup: buffer cleared, the code put into SIFRA, get by the code key.
bool lookUp(Context& ctx, CodeList list, std::string_view code) {
  const ListTable& l = kLists[static_cast<int>(list)];
  Table& t = ctx.table(l.prefix);
  if (!t.isOpen() && t.open() != 0) return false;
  Record& r = t.record();
  r.clear();
  r.setText(r.index("SIFRA"), code);
  return t.get(l.key) == 0;
}

}  // namespace

bool CodeLookups::contains(CodeList list, std::string_view code) {
  LastCode& last = last_[static_cast<int>(list)];
  if (last.known && last.code == code) return last.found;
  auto& memory = codes_[static_cast<int>(list)];
  key_.assign(code);
  bool found;
  if (const auto it = memory.find(key_); it != memory.end()) {
    found = it->second;
  } else {
    bound(memory);
    found = lookUp(ctx_, list, code);
    memory.emplace(key_, found);
  }
  last = {key_, true, found};
  return found;
}

std::optional<ObligorKind> CodeLookups::obligorKind(std::string_view code) {
  key_.assign(code);
  if (const auto it = kinds_.find(key_); it != kinds_.end()) return it->second;
  bound(kinds_);
  std::optional<ObligorKind> kind;
  if (lookUp(ctx_, CodeList::ObligorKinds, code)) {
    const Record& r = ctx_.table("VOB").record();
    kind = ObligorKind{clipRight(r.text(r.index("MB01"))) == "DA",
                       clipRight(r.text(r.index("MBG"))) == "DA"};
  }
  kinds_.emplace(key_, kind);
  return kind;
}

const ControlRow& CodeLookups::controlRow(std::string_view vob, std::string_view voi,
                                          std::string_view oo) {
  key_.assign(vob).append(voi).append(oo);
  if (const auto it = rows_.find(key_); it != rows_.end()) return it->second;
  bound(rows_);
  ControlRow row;
  if (findControlRow(ctx_, vob, voi, oo) == 0) {
    row.found = true;
    row.bounds = ControlBounds(ctx_.table("VEZ").record(), clock_);
  }
  return rows_.emplace(key_, row).first->second;
}

const std::optional<ContributionRates>& CodeLookups::rates(std::string_view voi,
                                                           std::string_view vob,
                                                           std::string_view oo,
                                                           std::string_view staz,
                                                           std::string_view member) {
  key_.assign(voi).append(vob).append(oo).append(staz).append(member);
  if (const auto it = rates_.find(key_); it != rates_.end()) return it->second;
  bound(rates_);
  const RatesKey key{std::string(voi), std::string(vob), std::string(oo), std::string(staz),
                     std::string(member)};
  return rates_.emplace(key_, ratesFor(ctx_, key)).first->second;
}

}  // namespace obrazac::check

#include "cli/register_options.h"

#include <algorithm>
#include <array>

#include "cli/command.h"
#include "data/field_value.h"
#include "data/fixed_width.h"
#include "data/typed_amount.h"

namespace obrazac::cli {
namespace {

using K = EntryKind;

constexpr std::array kObligor = {
    RegisterOption{"number", "POS:REDBROJ", "Redni broj fimre", K::Digits, 3, "Rbr"},
    RegisterOption{"mb", "POS:MB01", "Matični broj obveznika 1. dio", K::Text, 0, "MB (1. dio)"},
    RegisterOption{"mb2", "POS:MB02", "Matični broj obveznika 2. dio", K::Text, 0, "MB ( 2. dio)"},
    RegisterOption{"jmbg", "POS:JMBG", "MBG obveznika", K::Text, 0, "MBG obveznika"},
    RegisterOption{"name", "POS:NAZIV", "Naziv obveznika", K::Text, 0, "Naziv obveznika"},
    RegisterOption{"address", "POS:ADRESA", "Adresa obveznika", K::Text, 0, "Adresa obveznika"},
    RegisterOption{"kind", "POS:VRSTOBVEZNIKA", "Vrsta obveznika", K::Text, 0, "Vrsta"},
    RegisterOption{"identifier", "POS:IDENTIFIKATOR", "Identifikator obrasca", K::Digits, 3,
                   "Identifikator"},
    RegisterOption{"contact", "POS:KONTAKT", "Kontakt osoba", K::Text},
    RegisterOption{"phone", "POS:TELEFON", "Broj telefona", K::Text},
    RegisterOption{"email", "POS:EMAIL", "E-mail adresa", K::Text},
    RegisterOption{"year", "POS:OBRGOD", "Obračunaska godina", K::Digits, 4},
};

constexpr std::array kEmployee = {
    RegisterOption{"jmbg", "RAD:JMBG", "MBG osiguranika", K::Text, 0, "MBG"},
    RegisterOption{"name", "RAD:PREZIME", "Prezime i ime", K::Text, 0, "Prezime i ime"},
    RegisterOption{"municipality", "RAD:OPCINA", "Općina/grad", K::Text, 0, "Općina"},
    RegisterOption{"member", "RAD:CLANDN", "Član obveznom mirovinskog fonda", K::Text, 0, "OMF"},
    RegisterOption{"kind", "RAD:VRSOBV", "Vrsta obveznika", K::Text},
    RegisterOption{"type", "RAD:VRSTAUPLA", "Vrsta obračuna/ispravka", K::Text, 0, "VOI"},
    RegisterOption{"basis", "RAD:OSNOVA1", "Osnov obračuna", K::Text, 0, "OO"},
    RegisterOption{"increased", "RAD:OSNOVA3", "Oznaka staža s povećanim trajanjem", K::Text, 0,
                   "B"},
    RegisterOption{"year", "RAD:GODOBRA", "Godina obrade", K::Digits, 4, "GGGG"},
    RegisterOption{"month", "RAD:MJEOBRA", "Mjesec obračuna", K::Digits, 2, "MM"},
    RegisterOption{"from", "RAD:ODDANA", "Za razdoblje od", K::Digits, 2, "DD"},
    RegisterOption{"to", "RAD:DODANA", "Do kojeg dana", K::Digits, 2, "DD"},
    RegisterOption{"iv7", "RAD:IZNOS7", "Iznos obračunane plaće/naknade/dohotka", K::Amount, 0,
                   "Bruto iznos"},
    RegisterOption{"iv8", "RAD:IZNOS8", "Iznos osnovice za obračun doprinosa", K::Amount, 0,
                   "Osnovica"},
    RegisterOption{"iv9", "RAD:IZNOS9", "Mirovinsko osiguranje I. stup", K::Amount, 0,
                   "Iznos I. stupa"},
    RegisterOption{"iv10", "RAD:IZNOS10", "Mirovinsko osiguranje II. stup", K::Amount, 0,
                   "Iznos II. stupa"},
    RegisterOption{"iv11", "RAD:IZNOS11", "Neto iznos", K::Amount, 0, "Neto"},
};

std::optional<std::string> enterDigits(Record& record, int field, int digits,
                                       std::string_view text) {
  if (text.size() > static_cast<std::size_t>(digits) ||
      text.find_first_not_of("0123456789") != std::string_view::npos)
    return "'" + std::string(text) + "' nije broj od najviše " + std::to_string(digits) +
           " znamenke";
  record.setInteger(field, text.empty() ? 0 : std::stoi(std::string(text)));
  return std::nullopt;
}

// The form's amount entry, by the rule every amount entry follows.
std::optional<std::string> enterAmount(Record& record, int field, std::string_view text) {
  const FieldDecl& f = record.field(field);
  const TypedAmount amount = readTypedAmount(text, f.size, f.places);
  if (!amount.value) return amount.refusal;
  record.setDecimal(field, *amount.value);
  return std::nullopt;
}

}  // namespace

std::span<const RegisterOption> obligorOptions() {
  return kObligor;
}
std::span<const RegisterOption> employeeOptions() {
  return kEmployee;
}

const RegisterOption* findOption(std::span<const RegisterOption> options, std::string_view name) {
  if (name.starts_with("--")) name.remove_prefix(2);
  for (const auto& o : options)
    if (o.name == name) return &o;
  return nullptr;
}

RegisterWords parseRegisterWords(std::span<const std::string> args,
                                 std::span<const RegisterOption> options,
                                 std::initializer_list<std::string_view> extra,
                                 std::initializer_list<std::string_view> flags) {
  auto among = [](std::string_view word, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), word) != names.end();
  };
  RegisterWords words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (among(word, flags)) {
      words.extra[word] = "1";
      continue;
    }
    const RegisterOption* option = word.starts_with("--") ? findOption(options, word) : nullptr;
    if (!option && !among(word, extra)) throw UsageError("nepoznata opcija '" + word + "'");
    if (i + 1 >= args.size()) throw UsageError(word + " traži vrijednost");
    const std::string& value = args[++i];
    if (option)
      words.typed.emplace_back(option, value);
    else
      words.extra[word] = value;
  }
  return words;
}

TypedFields enterTyped(Record& record, const RegisterWords& words) {
  TypedFields typed;
  for (const auto& [option, value] : words.typed) {
    if (auto error = enterValue(record, *option, value))
      throw UsageError("--" + std::string(option->name) + ": " + *error);
    typed.insert(record.field(record.index(option->field)).name);
  }
  return typed;
}

std::optional<std::string> enterValue(Record& record, const RegisterOption& option,
                                      std::string_view utf8) {
  const int field = record.index(option.field);
  switch (option.kind) {
    case EntryKind::Text:
      if (auto error = valueError(utf8, record.field(field).size)) return error;
      record.setTextFromUtf8(field, utf8);
      return std::nullopt;
    case EntryKind::Digits:
      return enterDigits(record, field, option.digits, utf8);
    case EntryKind::Amount:
      return enterAmount(record, field, utf8);
  }
  return std::nullopt;
}

std::string failureText(const CheckFailure& failure, std::span<const RegisterOption> options,
                        bool column) {
  std::string text = failure.message;
  for (const auto& o : options) {
    if (o.field != failure.field) continue;
    text += column ? " (stupac " : " (--";
    text.append(o.name).append(", ").append(o.caption).append(")");
  }
  return text;
}

}  // namespace obrazac::cli

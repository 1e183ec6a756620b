#include "check/input_line_checks.h"

#include <span>

#include "codelists/control_finding.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "data/picture.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"

namespace obrazac::check {
namespace {

enum class Kind {
  AmountNumeric,          // places 2-15 of an amount are a 14-character number
  AmountDigits,           // places 2-15 of an amount are 14 digits
  PersonJmbg,             // the insured person's MBG: 13 digits with a valid check digit
  BasisCode,              // OSNOVA1 in TBOSNOBR.DAT
  MunicipalityCode,       // OPCINA in TBOPCINE.DAT
  IncreasedDurationCode,  // OSNOVA3 in TBOZNSTA.DAT, blank standing for none
  Membership,             // CLANDN is "D" or "N"
  NonMemberSecondPillar,  // no II. pillar contribution for a non-member
  ControlRow,             // the combination has a control-table row
  Rates,                  // looks the rates up: no finding of its own
  EndForUncheckedTypes,   // kinds of payment "99" and "88" end the checks here
  Month,                  // the chosen month within the row's month range
  Year,                   // the chosen year within the row's year range
  FirstDay,
  LastDay,
  AmountRange,       // an amount within its range, with the zero-amount exception
  PillarDifference,  // a contribution matches the one its rates give
};

struct Step {
  int number;  // 0: a step without a finding
  Kind kind;
  int item = 0;  // amount item 7..11
  const char* message = "";
  bool marks = true;
  bool setsRangeFlag = false;
  ControlTail tail = ControlTail::None;
  const char* suffix = "";  // after the codes of a missing control row
};

constexpr bool kMarks = true, kWarns = false;

// The input check of a payment file.
constexpr Step kInputCheck[] = {
    {1, Kind::AmountNumeric, 7, "Podatak IV.7 nije numerik"},
    {2, Kind::AmountNumeric, 8, "Podatak IV.8 nije numerik"},
    {3, Kind::AmountNumeric, 9, "Podatak IV.9 nije numerik"},
    {4, Kind::AmountNumeric, 10, "Podatak IV.10 nije numerik"},
    {5, Kind::AmountNumeric, 11, "Podatak IV.11 nije numerik"},
    {6, Kind::PersonJmbg, 0, "MBG osiguranika nije točan po modulu 11"},
    {7, Kind::BasisCode, 0, "Nepoznata šifra osnova osiguranja"},
    {8, Kind::MunicipalityCode, 0, "Nepoznata šifra općine"},
    {9, Kind::IncreasedDurationCode, 0, "Nepoznata šifra za uvećani staž"},
    {10, Kind::Membership, 0, "Obvezno odredite da li je osoba član OMF ili nije"},
    {11, Kind::ControlRow, 0, "Pogrešan osnov obračuna za ", kWarns},
    {0, Kind::Rates},
    {12, Kind::Month, 0, "Greška - obračunski mjesec mora biti ", kMarks, false,
     ControlTail::RuleAndCombination},
    {13, Kind::Year, 0, "Greška - obračunska godina."},
    {14, Kind::FirstDay, 0, "Greška - razdoblje od mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {15, Kind::LastDay, 0, "Greška - razdoblje do mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {16, Kind::AmountRange, 7, "Greška - Iznos obračunane plaće mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {17, Kind::AmountRange, 8, "Greška - Osnovica za doprinose mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {18, Kind::AmountRange, 9, "Greška - Iznos doprinosa za I. stup mora biti ", kMarks, true,
     ControlTail::RuleStopAndCombination},
    {19, Kind::PillarDifference, 9, "Upozorenje - razlika u obračunatom doprinosu I. stupa: "},
    {20, Kind::AmountRange, 10, "Greška - Iznos doprinosa za II.stup mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {21, Kind::PillarDifference, 10,
     "Upozorenje - razlika u obračunatom doprinosu II stupa: ", kWarns},
    {22, Kind::AmountRange, 11, "Greška - Iznos ispaćene plaće mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
};

// The takeover of payment data into a form. Its amounts go into a submission file, so they must
// be exactly the digits the picture reads: a decimal point or an exponent would pass the number
// test and be read as other digits.
constexpr Step kTakeover[] = {
    {1, Kind::AmountDigits, 7, "Podatak IV.7 nije numerik"},
    {2, Kind::AmountDigits, 8, "Podatak IV.8 nije numerik"},
    {3, Kind::AmountDigits, 9, "Podatak IV.9 nije numerik"},
    {4, Kind::AmountDigits, 10, "Podatak IV.10 nije numerik"},
    {5, Kind::AmountDigits, 11, "Podatak IV.11 nije numerik"},
    {6, Kind::PersonJmbg, 0, "Pogrešan JMBG"},
    {7, Kind::BasisCode, 0, "Nepoznat osnov obračuna"},
    {8, Kind::MunicipalityCode, 0, "Nepoznata šifra općine"},
    {9, Kind::IncreasedDurationCode, 0, "Nepoznata šifra uvećanog staža"},
    {0, Kind::Rates},
    {0, Kind::EndForUncheckedTypes},
    {10, Kind::NonMemberSecondPillar, 10, "Osiguranik nije član OMF. Nema doprinosa za II. stup"},
    {11, Kind::Membership, 0, "Obvezno odredite da li je osoba član OMF ili nije", kWarns},
    {12, Kind::ControlRow, 0, "Upozorenje. Navedena kombinacija ", kMarks, false, ControlTail::None,
     " nije uvedena u kontrolnu tablicu"},
    {13, Kind::Month, 0, "Greška - obračunski mjesec mora biti ", kMarks, false,
     ControlTail::RuleAndCombination},
    {14, Kind::Year, 0, "Greška - obračunska godina."},
    {15, Kind::FirstDay, 0, "Greška - razdoblje od mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {16, Kind::LastDay, 0, "Greška - razdoblje do mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {17, Kind::AmountRange, 7, "Greška - Iznos obračunane plaće mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {18, Kind::AmountRange, 8, "Greška - Osnovica za doprinose mora biti ", kMarks, true,
     ControlTail::RuleStopAndCombination},
    {19, Kind::AmountRange, 9, "Greška - Iznos doprinosa za I. stup mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {20, Kind::PillarDifference, 9,
     "Upozorenje - razlika o obračunatom doprinosu I. stupa: ", kWarns},
    {21, Kind::AmountRange, 10, "Greška - Iznos doprinosa za II. stup mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
    {22, Kind::PillarDifference, 10,
     "Upozorenje - razlika u obračunatom doprinosu II stupa: ", kWarns},
    {23, Kind::AmountRange, 11, "Greška - Iznos ispaćene plaće mora biti ", kMarks, false,
     ControlTail::RuleStopAndCombination},
};

std::span<const Step> stepsOf(LinePath path) {
  return path == LinePath::InputCheck ? std::span<const Step>(kInputCheck)
                                      : std::span<const Step>(kTakeover);
}

// Code lists seen by the checks: a few dozen codes each, so a handful of lookups per run.
constexpr std::size_t kCacheLimit = 4096;

ControlValue controlValueOf(Kind kind) {
  switch (kind) {
    case Kind::Month:
      return ControlValue::Month;
    case Kind::Year:
      return ControlValue::Year;
    case Kind::FirstDay:
      return ControlValue::FirstDay;
    default:
      return ControlValue::LastDay;
  }
}

}  // namespace

LineChecker::LineChecker(Context& ctx, const Clock& clock, LinePath path,
                         LineCheckSettings settings)
    : ctx_(ctx), clock_(clock), path_(path), settings_(std::move(settings)) {}

bool LineChecker::codeExists(std::string_view prefix, std::string_view field,
                             std::string_view code) {
  probe_.assign(prefix);
  probe_.push_back('\0');
  probe_.append(code);
  if (const auto it = codes_.find(probe_); it != codes_.end()) return it->second;

  Table& list = ctx_.table(prefix);
  bool found = false;
  if (list.isOpen() || list.open() == 0) {
    Record& r = list.record();
    r.clear();
    r.setText(r.index(field), code);
    found = list.get("KEYSIFRA") == 0;
  }
  if (codes_.size() >= kCacheLimit) codes_.clear();
  codes_.emplace(probe_, found);
  return found;
}

const LineChecker::ControlRow& LineChecker::controlRow(std::string_view voi, std::string_view oo) {
  probe_.assign(settings_.obligorType);
  probe_.push_back('\0');
  probe_.append(voi);
  probe_.push_back('\0');
  probe_.append(oo);
  if (const auto it = controlRows_.find(probe_); it != controlRows_.end()) return it->second;

  ControlRow row;
  if (findControlRow(ctx_, settings_.obligorType, voi, oo) == 0) {
    const Record& vez = ctx_.table("VEZ").record();
    row.found = true;
    row.bounds = ControlBounds(vez, clock_);
    row.vob = vez.text(vez.index("VOB"));
    row.voi = vez.text(vez.index("VOI"));
    row.oo = vez.text(vez.index("OO"));
  }
  if (controlRows_.size() >= kCacheLimit) controlRows_.clear();
  return controlRows_.emplace(probe_, std::move(row)).first->second;
}

std::optional<ContributionRates> LineChecker::rates(const PaymentLine& line) {
  const RatesKey key{settings_.paymentType, settings_.obligorType, line.osnova1, line.osnova3,
                     line.clandn};
  probe_ = key.voi + '\0' + key.vob + '\0' + key.oo + '\0' + key.staz + '\0' + key.member;
  if (const auto it = rates_.find(probe_); it != rates_.end()) return it->second;
  auto found = ratesFor(ctx_, key);
  if (rates_.size() >= kCacheLimit) rates_.clear();
  rates_.emplace(probe_, found);
  return found;
}

LineCheckResult LineChecker::check(const PaymentLine& line, const PersonAmountMemory& person) {
  LineCheckResult result;
  check(line, person, result);
  return result;
}

void LineChecker::check(const PaymentLine& line, const PersonAmountMemory& person,
                        LineCheckResult& result) {
  result.findings.clear();
  result.erroneous = result.hasMessage = result.controlRowFound = result.endedEarly = false;
  result.rates.reset();
  result.expected = {};

  // The input check looks the control row up by the line's kind of payment, the takeover by the
  // chosen one; the lines a run checks carry the chosen kind, so both name the same row.
  const std::string& voi = path_ == LinePath::InputCheck ? line.vrstaupla : settings_.paymentType;
  const ControlRow* row = nullptr;
  const ControlRow noRow;
  bool rangeFlag = false;  // an amount outside its range: the difference warnings are moot

  auto find = [&](const Step& s, std::string message) {
    const bool counts = s.kind != Kind::PillarDifference;
    result.findings.push_back({s.number, std::move(message), s.marks, counts});
    result.erroneous = result.erroneous || s.marks;
    result.hasMessage = result.hasMessage || counts;
  };
  auto rangeMessage = [&](const Step& s, ControlValue v) {
    const ControlRow& r = row ? *row : noRow;
    const std::string rowVob = utf8FromCp1250(r.vob), rowVoi = utf8FromCp1250(r.voi),
                      rowOo = utf8FromCp1250(r.oo);
    return controlFinding(s.message, s.tail, r.bounds.ruleText(v), {rowVob, rowVoi, rowOo});
  };

  for (const Step& s : stepsOf(path_)) {
    switch (s.kind) {
      case Kind::AmountNumeric: {
        const std::string_view field = line.amountField(s.item);
        if (!isNumeric(field.substr(1), 14)) find(s, s.message);
        break;
      }
      case Kind::AmountDigits: {
        const auto digits = std::string_view(line.amountField(s.item)).substr(1);
        if (digits.size() != 14 || digits.find_first_not_of("0123456789") != digits.npos)
          find(s, s.message);
        break;
      }
      case Kind::PersonJmbg:
        // The check digit alone would pass a blank or lettered MBG, which reads as zeros.
        if (!isDigits(line.jmbg) || !ProvjeraJMBG(line.jmbg)) find(s, s.message);
        break;
      case Kind::BasisCode:
        if (!codeExists("TBO", "SIFRA", line.osnova1)) find(s, s.message);
        break;
      case Kind::MunicipalityCode:
        if (!codeExists("OPC", "SIFRA", line.opcina)) find(s, s.message);
        break;
      case Kind::IncreasedDurationCode:
        // A row without increased duration leaves the code blank, as the monthly rows do.
        if (!isBlank(line.osnova3) && !codeExists("STA", "SIFRA", line.osnova3)) find(s, s.message);
        break;
      case Kind::Membership:
        if (line.clandn != "D" && line.clandn != "N") find(s, s.message);
        break;
      case Kind::NonMemberSecondPillar:
        if (line.clandn == "N" && line.amount(s.item).sign() > 0) find(s, s.message);
        break;
      case Kind::ControlRow:
        row = &controlRow(voi, line.osnova1);
        result.controlRowFound = row->found;
        if (!row->found)
          find(s, s.message +
                      combinationText({utf8FromCp1250(settings_.obligorType), utf8FromCp1250(voi),
                                       utf8FromCp1250(line.osnova1)}) +
                      s.suffix);
        break;
      case Kind::Rates:
        result.rates = rates(line);
        result.expected = expectedContributions(result.rates, line.amount(8));
        break;
      case Kind::EndForUncheckedTypes:
        if (settings_.paymentType == "99" || settings_.paymentType == "88") {
          result.endedEarly = true;
          return;
        }
        break;
      case Kind::Month:
      case Kind::Year:
      case Kind::FirstDay:
      case Kind::LastDay: {
        const ControlValue v = controlValueOf(s.kind);
        const int value = s.kind == Kind::Month      ? settings_.month
                          : s.kind == Kind::Year     ? settings_.year
                          : s.kind == Kind::FirstDay ? line.firstDay
                                                     : line.lastDay;
        // Without a control row nothing has a range, and nothing is held against one.
        if (row && !row->bounds.permits(v, value)) find(s, rangeMessage(s, v));
        break;
      }
      case Kind::AmountRange: {
        if (!row) break;
        const ControlValue v = amountItem(s.item);
        const auto verdict =
            row->bounds.judgeAmount(v, line.amount(s.item), person.remembered(s.item));
        if (verdict == AmountVerdict::Outside) {
          find(s, rangeMessage(s, v));
          if (s.setsRangeFlag) rangeFlag = true;
        }
        break;
      }
      case Kind::PillarDifference: {
        const Decimal& amount = line.amount(s.item);
        const Decimal& expected =
            s.item == 9 ? result.expected.firstPillar : result.expected.secondPillar;
        if (rangeFlag || line.amount(8).sign() <= 0 || amount.sign() <= 0) break;
        if (differsFromExpected(amount, expected))
          find(s, s.message + formatNumber(amount, "N10.2") + "  - " +
                      formatNumber(expected, "N10.2"));
        break;
      }
    }
  }
}

}  // namespace obrazac::check

#include "check/record_checks.h"

#include "check/field_tests.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "register/entry_rules.h"
#include "data/record_format.h"

namespace obrazac::check {
namespace {

constexpr std::string_view kNoMB = "000000000000";
constexpr std::string_view kNoMBG = "0000000000000";

// An identifier counts as given when it is neither zeros nor blank.
bool given(std::string_view field, std::string_view zeros) {
  return field != zeros && !isBlank(field);
}

bool startsWithEightOrNine(std::string_view mb) {
  return !mb.empty() && (mb[0] == '8' || mb[0] == '9');
}

// A date field that is not numeric over its whole width is misspelt; a shorter one is not.
bool misspeltDate(std::string_view field) {
  return !numericField(field) && clipRight(field).size() == field.size();
}

// "<label><amount>  - <expected>", both with the picture "N10.2".
void appendDifference(std::string& m, const Decimal& amount, const Decimal& expected) {
  static const NumberPicture n10("N10.2");
  n10.appendTo(m, amount);
  m += "  - ";
  n10.appendTo(m, expected);
}

ControlValue controlValueOf(const FieldCheck& c) {
  switch (c.test) {
    case FieldTest::Month:
      return ControlValue::Month;
    case FieldTest::Year:
      return ControlValue::Year;
    case FieldTest::FirstDay:
      return ControlValue::FirstDay;
    case FieldTest::LastDay:
      return ControlValue::LastDay;
    default:
      return amountItem(c.item);
  }
}

std::size_t itemIndex(int item) {
  return static_cast<std::size_t>(item - 7);
}

}  // namespace

RecordChecker::RecordChecker(CodeLookups& lookups, const Clock& clock)
    : lookups_(lookups),
      clock_(clock),
      lastHeader_(static_cast<std::size_t>(submission::kRecordWidth), ' ') {}

void RecordChecker::check(std::string_view line, FindingSink& sink) {
  if (line.size() != static_cast<std::size_t>(submission::kRecordWidth)) return;
  switch (line.back()) {
    case '0':
      return checkSender(line, sink);
    case '3':
      return checkFormHeader(line, sink);
    case '5':
      return checkRow(line, sink);
    case '7':
      return checkFormClosing(line, sink);
    case '9':
      return checkFileClosing(line, sink);
    default:
      return;
  }
}

std::string_view RecordChecker::obligorName() const {
  static const auto& name = recordField("RS3NAOB");
  return header(name);
}

void RecordChecker::run(const FieldCheckList& list, std::string_view line, std::string_view context,
                        FindingSink& sink) {
  const auto& steps = list.steps();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const FieldCheckList::Step& s = steps[i];
    if (passes(s, line)) continue;
    sink.add(s.check.code, s.check.severity, context, findingText(s, line));
    if (s.check.failureSkipsNext) ++i;
  }
}

const ControlBounds& RecordChecker::bounds() const {
  static const ControlBounds none;
  return row_.control ? row_.control->bounds : none;
}

bool RecordChecker::passes(const FieldCheckList::Step& step, std::string_view line) {
  static const auto& mbField = recordField("RS3MBOO");
  static const auto& mbgField = recordField("RS3MBGO");
  static const auto& kindField = recordField("RS3VROB");
  static const auto& headerIdField = recordField("RS3RBSU");

  const FieldCheck& c = step.check;
  const std::string_view field = step.field ? step.field->cut(line) : std::string_view();
  const Decimal &base = row_.amounts[1], &first = row_.amounts[2], &second = row_.amounts[3];
  // The identifier tests of a form header read its own line, already the last header.
  struct Identifiers {
    std::string_view mb, mbg, kind;
    bool kindRules;  // the kind of obligor is known and is not VOB 17
  };
  const auto identifiers = [&] {
    const std::string_view kind = header(kindField);
    return Identifiers{header(mbField), header(mbgField), kind, obligorKind_ && kind != "17"};
  };

  switch (c.test) {
    case FieldTest::Numeric:
      return numericField(field, c.length);
    case FieldTest::Amount:
      return numericAmount(field);
    case FieldTest::MB:
      return !wrongMB(field);
    case FieldTest::MBG:
      return !wrongMBG(field, true);
    case FieldTest::MBGAlways:
      return !wrongMBG(field, false);
    case FieldTest::Filled:
      return !isBlank(field);
    case FieldTest::FormatMark:
      return field == "RM500";
    case FieldTest::DateDigits:
      return numericField(field, 8);
    case FieldTest::DateWritten:
      return !misspeltDate(field);
    case FieldTest::DateInRange:
      return dateInRange(field, clock_);
    case FieldTest::DateValid:
      return !misspeltDate(field) && dateInRange(field, clock_);

    case FieldTest::Municipality:
      return lookups_.contains(CodeList::Municipalities, field);
    case FieldTest::Basis:
      return lookups_.contains(CodeList::Bases, row_.oo);
    case FieldTest::IncreasedDuration:
      // A row without increased duration leaves its mark blank, as the monthly rows do; the code
      // list cannot hold a blank code, since a key leaves out a record whose key fields are blank.
      return isBlank(row_.increased) ||
             lookups_.contains(CodeList::IncreasedDuration, row_.increased);
    case FieldTest::PaymentKind:
      return lookups_.contains(CodeList::PaymentKinds, field);
    case FieldTest::ObligorKind:
      obligorKind_ = lookups_.obligorKind(field);
      return obligorKind_.has_value();

    case FieldTest::MBBesideMBG: {
      const Identifiers id = identifiers();
      return id.kind == "17" || id.mb == kNoMB || id.mbg == kNoMBG || startsWithEightOrNine(id.mb);
    }
    case FieldTest::MBRequired: {
      const Identifiers id = identifiers();
      return !id.kindRules || !obligorKind_->needsMB ||
             !(id.mb.substr(0, 8) == "00000000" || isBlank(id.mb));
    }
    case FieldTest::MBGRequired: {
      const Identifiers id = identifiers();
      return !id.kindRules || !obligorKind_->needsMBG || given(id.mbg, kNoMBG);
    }
    case FieldTest::MBBesideMBGKind: {
      const Identifiers id = identifiers();
      return !id.kindRules || !given(id.mb, kNoMB) || !given(id.mbg, kNoMBG) ||
             startsWithEightOrNine(id.mb) || id.kind == "02" || id.kind == "21";
    }

    case FieldTest::SameIdentifier:
      return field == header(headerIdField);
    case FieldTest::RowCount:
      return countValue(field) == Decimal(rows_);
    case FieldTest::FormCount:
      return countValue(field) == Decimal(forms_);
    case FieldTest::HeaderTotal: {
      const std::size_t i = itemIndex(c.item);
      return headerTotals_[i].roundTo(2) == sums_[i].roundTo(2);
    }

    case FieldTest::ControlTableRow: {
      const auto& rates = lookups_.rates(row_.voi, row_.vob, row_.oo, row_.increased,
                                         second.sign() > 0 ? "D" : "N");
      row_.expected = expectedContributions(rates, base);
      // No other control-table lookup may follow until the row is checked: it holds the answer.
      row_.control = &lookups_.controlRow(row_.vob, row_.voi, row_.oo);
      return row_.control->found;
    }
    case FieldTest::Month:
      return bounds().permits(ControlValue::Month, row_.month);
    case FieldTest::Year:
      return bounds().permits(ControlValue::Year, row_.year);
    case FieldTest::FirstDay:
      return bounds().permits(ControlValue::FirstDay, row_.firstDay) &&
             !dayBeyondMonth(row_.firstDay, row_.month, row_.year);
    case FieldTest::LastDay:
      return bounds().permits(ControlValue::LastDay, row_.lastDay) &&
             !dayBeyondMonth(row_.lastDay, row_.month, row_.year);
    case FieldTest::AmountRange:
      return bounds().judgeAmount(amountItem(c.item), row_.amounts[itemIndex(c.item)],
                                  person_.remembered(c.item)) != AmountVerdict::Outside;
    case FieldTest::PillarDifference: {
      const Decimal& amount = row_.amounts[itemIndex(c.item)];
      const Decimal& expected =
          c.item == 9 ? row_.expected.firstPillar : row_.expected.secondPillar;
      return base.sign() <= 0 || amount.sign() <= 0 || !differsFromExpected(amount, expected);
    }
    case FieldTest::TotalDifference:
      return base.sign() <= 0 || !differsFromExpected(first + second, row_.expected.total);
  }
  return true;
}

std::string_view RecordChecker::findingText(const FieldCheckList::Step& step,
                                            std::string_view line) {
  static const NumberPicture n5("n5");
  const FieldCheck& c = step.check;
  const Decimal &first = row_.amounts[2], &second = row_.amounts[3];

  switch (c.test) {
    case FieldTest::DateDigits:
      message_.assign(step.message).append(step.field->cut(line));
      return message_;
    case FieldTest::RowCount: {
      const std::string_view count = step.field->cut(line);
      message_.assign(step.message);
      if (const auto written = countValue(count))
        n5.appendTo(message_, *written);
      else
        message_ += padLeft(clipRight(count), 5);
      message_ += ' ';
      n5.appendTo(message_, Decimal(rows_));
      return message_;
    }
    case FieldTest::HeaderTotal: {
      const std::size_t i = itemIndex(c.item);
      message_.assign(step.message)
          .append(formatNumber(headerTotals_[i], c.picture))
          .append(step.middle)
          .append(formatNumber(sums_[i], c.picture));
      return message_;
    }
    case FieldTest::ControlTableRow:
      message_.assign(step.message).append(row_.vob).append(" VOI=").append(row_.voi);
      return message_;
    case FieldTest::Month:
    case FieldTest::Year:
    case FieldTest::FirstDay:
    case FieldTest::LastDay:
    case FieldTest::AmountRange:
      message_ = controlFinding(step.message, c.tail, bounds().ruleText(controlValueOf(c)),
                                {row_.vob, row_.voi, row_.oo});
      return message_;
    case FieldTest::PillarDifference:
      message_.assign(step.message);
      appendDifference(message_, row_.amounts[itemIndex(c.item)],
                       c.item == 9 ? row_.expected.firstPillar : row_.expected.secondPillar);
      return message_;
    case FieldTest::TotalDifference:
      message_.assign(step.message);
      appendDifference(message_, first + second, row_.expected.total);
      return message_;
    default:
      return step.message;
  }
}

}  // namespace obrazac::check

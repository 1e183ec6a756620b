#include "check/field_check_list.h"

#include <stdexcept>
#include <string>

#include "data/codepage.h"

namespace obrazac::check {

const submission::RecordField& recordField(std::string_view code) {
  const auto* f = submission::fieldByCode(code);
  if (!f) throw std::logic_error("no submission field " + std::string(code));
  return *f;
}

namespace {

// Whether a test reads the field its finding goes to; the others read values of the row, the
// header or the run, and their finding may name a code no record has ("RS3DIOI").
bool readsOwnField(FieldTest test) {
  switch (test) {
    case FieldTest::Basis:
    case FieldTest::IncreasedDuration:
    case FieldTest::MBBesideMBG:
    case FieldTest::MBRequired:
    case FieldTest::MBGRequired:
    case FieldTest::MBBesideMBGKind:
    case FieldTest::HeaderTotal:
    case FieldTest::ControlTableRow:
    case FieldTest::Month:
    case FieldTest::Year:
    case FieldTest::FirstDay:
    case FieldTest::LastDay:
    case FieldTest::AmountRange:
    case FieldTest::PillarDifference:
    case FieldTest::TotalDifference:
      return false;
    default:
      return true;
  }
}

}  // namespace

FieldCheckList::FieldCheckList(std::initializer_list<FieldCheck> checks) {
  for (const auto& c : checks) {
    const auto* field = readsOwnField(c.test) ? &recordField(c.code) : nullptr;
    steps_.push_back({c, field, cp1250(c.message), cp1250(c.middle)});
  }
}

}  // namespace obrazac::check

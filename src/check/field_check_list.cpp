#include "check/field_check_list.h"

#include <stdexcept>
#include <string>

#include "check/field_tests.h"
#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::check {
namespace {

bool passes(FieldTest test, std::string_view text, std::size_t length) {
  switch (test) {
    case FieldTest::Numeric:
      return numericField(text, length);
    case FieldTest::Amount:
      return numericAmount(text);
    case FieldTest::MB:
      return !wrongMB(text);
    case FieldTest::MBG:
      return !wrongMBG(text, true);
    case FieldTest::MBGAlways:
      return !wrongMBG(text, false);
    case FieldTest::Filled:
      return !isBlank(text);
  }
  return true;
}

}  // namespace

const submission::RecordField& recordField(std::string_view code) {
  const auto* f = submission::fieldByCode(code);
  if (!f) throw std::logic_error("no submission field " + std::string(code));
  return *f;
}

FieldCheckList::FieldCheckList(std::initializer_list<FieldCheck> checks) {
  for (const auto& c : checks) checks_.push_back({c, &recordField(c.code), cp1250(c.message)});
}

void FieldCheckList::run(std::string_view line, std::string_view context, FindingSink& sink) const {
  for (std::size_t i = 0; i < checks_.size(); ++i) {
    const Resolved& r = checks_[i];
    if (passes(r.check.test, r.field->cut(line), r.check.length)) continue;
    sink.add(r.check.code, r.check.severity, context, r.message);
    if (r.check.failureSkipsNext) ++i;
  }
}

}  // namespace obrazac::check

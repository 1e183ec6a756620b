#include "data/record_manager.h"

#include <charconv>
#include <limits>

#include "data/fixed_width.h"

namespace obrazac {
namespace {

constexpr int kAutoNumberAttempts = 3;

std::int64_t largestValue(FieldType type) {
  switch (type) {
    case FieldType::Short:
      return std::numeric_limits<std::int16_t>::max();
    case FieldType::Long:
    case FieldType::Date:
      return std::numeric_limits<std::int32_t>::max();
    default:
      return std::numeric_limits<std::int64_t>::max();
  }
}

// A rule's field as a number: integers as they are, text as the number it reads as (blank: 0).
std::optional<std::int64_t> numericValue(const Record& r, int field) {
  if (!isTextField(r.field(field))) return r.integer(field);
  const std::string_view text = clipRight(r.text(field));
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0;
  std::int64_t v = 0;
  const auto res = std::from_chars(text.data() + start, text.data() + text.size(), v);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

}  // namespace

RecordManager::RecordManager(Context& context, std::string_view prefix)
    : context_(context), table_(context.table(prefix)) {}

int RecordManager::open(AccessMode mode) {
  int rc = table_.open(mode);
  if (rc == err::kAccessDenied) {
    table_.send("Recover=10");
    rc = table_.open(mode);
  }
  return rc == err::kFileAlreadyOpen ? err::kOk : rc;
}

std::optional<FieldRuleViolation> RecordManager::checkFieldRules() const {
  const Record& r = table_.record();
  for (const auto& rule : table_.decl().rules) {
    const auto value = numericValue(r, r.index(rule.field));
    if (!value || *value < rule.low || *value > rule.high)
      return FieldRuleViolation{rule.label, rule.low, rule.high};
  }
  return std::nullopt;
}

const KeyDecl* RecordManager::autoNumberKey() const {
  for (const auto& k : table_.decl().keys)
    if (k.autoNumber) return &k;
  return nullptr;
}

std::optional<SaveResult> RecordManager::ruleFailure() const {
  auto violation = checkFieldRules();
  if (!violation) return std::nullopt;
  SaveResult r;
  r.status = SaveStatus::FieldRule;
  r.rule = std::move(violation);
  r.file = table_.decl().file;
  return r;
}

SaveResult RecordManager::storeFailure(int code) {
  SaveResult r;
  r.status = SaveStatus::StoreError;
  r.storeError = code;
  r.file = table_.decl().file;
  if (code == err::kFileSystemError) r.driverError = table_.driverError();
  return r;
}

// After a write failed: name the first unique key whose value another record has (message 13),
// or pass the store's failure on.
SaveResult RecordManager::duplicateOrFailure(int code, Position except) {
  if (code != err::kDuplicateKey) return storeFailure(code);
  SaveResult r = storeFailure(code);
  r.status = SaveStatus::DuplicateKey;
  const auto& keys = table_.decl().keys;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    if (keys[k].unique && table_.keyValueExists(static_cast<int>(k), table_.record(), except)) {
      r.keyDescription = keys[k].description;
      break;
    }
  }
  return r;
}

// Finds the highest number under the key's leading components and adds the record with the next
// one; a number taken meanwhile by another station is computed again.
SaveResult RecordManager::addNumbered(const KeyDecl& key, int field) {
  const int keyIndex = table_.decl().keyIndex(key.name);
  const Record wanted = table_.record();
  Record& buffer = table_.record();
  const bool sameLeading = key.components.size() > 1;
  int rc = err::kOk;
  for (int attempt = 0; attempt < kAutoNumberAttempts; ++attempt) {
    buffer = wanted;
    buffer.setInteger(field, largestValue(buffer.field(field).type));
    std::int64_t highest = 0;
    if (table_.set(keyIndex) == 0 && table_.previous() == 0) {
      bool leadingEqual = true;
      for (std::size_t c = 0; sameLeading && c + 1 < key.components.size(); ++c) {
        const int f = buffer.index(key.components[c]);
        leadingEqual =
            leadingEqual && (isTextField(buffer.field(f)) ? buffer.text(f) == wanted.text(f)
                                                          : buffer.integer(f) == wanted.integer(f));
      }
      if (leadingEqual) highest = buffer.integer(field);
    }
    buffer = wanted;
    buffer.setInteger(field, highest + 1);
    rc = table_.add();
    if (rc != err::kDuplicateKey) break;
  }
  if (rc == err::kOk) return {};
  if (rc == err::kDuplicateKey) {
    SaveResult r = storeFailure(rc);
    r.status = SaveStatus::AutoNumberFailed;
    return r;
  }
  return storeFailure(rc);
}

SaveResult RecordManager::reserveAutoNumber() {
  const KeyDecl* key = autoNumberKey();
  if (!key || hasReservation()) return {};
  SaveResult r = addNumbered(*key, table_.record().index(key->components.back()));
  if (r.ok()) reserved_ = table_.position();
  return r;
}

SaveResult RecordManager::cancelReservation() {
  if (!hasReservation()) return {};
  const Record kept = table_.record();
  int rc = table_.reget(reserved_);
  if (rc == err::kOk) rc = table_.remove();
  table_.record() = kept;
  if (rc != err::kOk && rc != err::kRecordNotFound) return storeFailure(rc);
  reserved_ = {};
  return {};
}

SaveResult RecordManager::insert() {
  if (auto refused = ruleFailure()) return *refused;
  if (hasReservation()) {
    // The number was held by adding early: the record now takes the reserved row's place.
    const Record filled = table_.record();
    int rc = table_.reget(reserved_);
    table_.record() = filled;
    if (rc == err::kOk) rc = table_.put();
    if (rc != err::kOk) return duplicateOrFailure(rc, reserved_);
    reserved_ = {};
    return {};
  }
  if (const KeyDecl* key = autoNumberKey()) {
    const int field = table_.record().index(key->components.back());
    if (table_.record().integer(field) == 0) return addNumbered(*key, field);
  }
  if (const int rc = table_.add()) return duplicateOrFailure(rc, {});
  return {};
}

SaveResult RecordManager::update() {
  if (auto refused = ruleFailure()) return *refused;
  const Position here = table_.position();
  const int rc = table_.put();
  if (rc == err::kOk) return {};
  if (rc == err::kRecordChanged) {
    // Show the other station's version, watched again so the next save compares with it.
    table_.watch();
    table_.reget(here);
    SaveResult r = storeFailure(rc);
    r.status = SaveStatus::RecordChanged;
    return r;
  }
  return duplicateOrFailure(rc, here);
}

SaveResult RecordManager::remove(const CascadeHooks& hooks) {
  const Position here = table_.position();
  if (here.row == 0) return storeFailure(err::kRecordNotAvailable);
  if (table_.decl().kind != TableKind::Keyed || !hasDeleteRules(table_.decl())) {
    if (const int rc = table_.remove()) return storeFailure(rc);
    return {};
  }
  const CascadeOutcome out =
      deleteWithChildren(context_.workDir(), table_.decl(), here.row, table_.record(), hooks);
  if (out.restricted) {
    SaveResult r;
    r.status = SaveStatus::Restricted;
    r.file = out.restrictingFile;
    return r;
  }
  if (out.code != 0) {
    SaveResult r = storeFailure(out.code);
    r.driverError = out.driverError;
    return r;
  }
  return {};
}

}  // namespace obrazac

#include "data/status.h"

#include "data/store_error.h"

namespace obrazac {

Status Status::store(int code, std::string what, std::string driverText) {
  Status s;
  s.failed_ = true;
  s.code_ = code;
  s.what_ = std::move(what);
  s.driverText_ = std::move(driverText);
  return s;
}

Status Status::refused(std::string message, int code) {
  Status s;
  s.failed_ = true;
  s.refusal_ = true;
  s.code_ = code;
  s.what_ = std::move(message);
  return s;
}

std::string_view Status::storeText() const {
  return code_ == 0 ? std::string_view() : storeErrorText(code_);
}

std::string Status::text() const {
  if (!failed_) return {};
  if (refusal_) return what_;
  std::string t = "Greška " + std::to_string(code_);
  if (!driverText_.empty()) {
    t += ": " + driverText_;
    if (!what_.empty()) t += " (" + what_ + ")";
    return t;
  }
  if (const std::string_view known = storeText(); !known.empty())
    t += " (" + std::string(known) + ")";
  if (!what_.empty()) t += ": " + what_;
  return t;
}

}  // namespace obrazac

// Domain text into Qt's strings: UTF-8 (messages, texts of the runs) and Windows-1250 (record
// bytes) become a QString the same way in every window.
#pragma once

#include <QString>
#include <string_view>

#include "data/codepage.h"

namespace obrazac::ui {

inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString fromCp1250(std::string_view text) {
  return fromUtf8(utf8FromCp1250(text));
}

}  // namespace obrazac::ui

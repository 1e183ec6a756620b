#include "submission/ui/takeover_summary_window.h"

#include <QLabel>
#include <cstdio>

#include "data/codepage.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using S = TakeoverSummaryWindow;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "REZULTAT OBRADE"},
    {.kind = K::Display,
     .id = S::kUkupno,
     .prompt = "Ukupno obrađeno redaka",
     .field = "v1",
     .chars = 5},
    {.kind = K::Display,
     .id = S::kPreuzeto,
     .prompt = "Retci koji zadovoljavaju kontrolama",
     .field = "v2",
     .chars = 5},
    {.kind = K::Display,
     .id = S::kUpozorenja,
     .prompt = "Podaci sa upozorenjima",
     .field = "v3",
     .chars = 5},
    {.kind = K::Group, .prompt = "KRITERIJ ZA PRETRAŽIVANJE"},
    {.kind = K::Display, .id = S::kMB, .prompt = "MB firme", .field = "v4", .chars = 8},
    {.kind = K::Display, .id = S::kMBG, .prompt = "MBG", .field = "v5", .chars = 13},
    {.kind = K::Display, .id = S::kOd, .prompt = "Vremensko razdoblje", .field = "v6", .chars = 2},
    {.kind = K::Display, .id = S::kDo, .field = "v7", .tip = "do", .chars = 2, .beside = true},
    {.kind = K::Display,
     .id = S::kVrstaUplate,
     .prompt = "Vrsta uplate",
     .field = "v8",
     .chars = 2},
    {.kind = K::Display,
     .id = S::kGodina,
     .prompt = "Obračunska godina",
     .field = "v9",
     .chars = 4},
    {.kind = K::Display,
     .id = S::kMjesec,
     .field = "v10",
     .tip = "Obračunski mjesec",
     .chars = 2,
     .beside = true},
    {.kind = K::Display, .id = S::kNapomena, .field = "v11", .tip = "Napomena", .chars = 50},
    {.kind = K::Button,
     .id = S::kZatvori,
     .prompt = "Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

std::string number(int value, const char* format) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

TakeoverSummaryWindow::TakeoverSummaryWindow(Desktop& desktop,
                                             std::shared_ptr<ProcedureThread> thread,
                                             const submission::TakeoverSummary& summary,
                                             const form::SendingHeader& header)
    : ProcedureWindow(desktop, std::move(thread), "WinIzvjesce") {
  values_[0] = number(summary.read, "%5d");
  values_[1] = number(summary.taken, "%5d");
  values_[2] = number(summary.withMessage, "%5d");
  values_[3] = summary.employerMB;
  values_[4] = summary.employerJmbg;
  values_[5] = number(header.firstDayValue(), "%02d");
  values_[6] = number(header.lastDayValue(), "%02d");
  values_[7] = header.paymentType;
  values_[8] = number(header.yearValue(), "%04d");
  values_[9] = number(header.monthValue(), "%02d");
  values_[10] = cp1250FromUtf8(summary.note);
  setWindowTitle(QString::fromUtf8("Izvješće o obavljenoj obradi"));
  setDialogSize(254, 172);
  describe(kControls);
}

QString TakeoverSummaryWindow::shown(int control) const {
  return QString::fromStdString(utf8FromCp1250(values_[control - kUkupno]));
}

std::optional<FieldRef> TakeoverSummaryWindow::stateField(std::string_view name) {
  if (name.size() < 2 || name[0] != 'v') return std::nullopt;
  const int i = std::atoi(std::string(name.substr(1)).c_str()) - 1;
  if (i < 0 || i >= 11) return std::nullopt;
  return FieldRef(values_[i], std::string(name));
}

}  // namespace obrazac::ui

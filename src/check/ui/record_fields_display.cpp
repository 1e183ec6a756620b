#include "check/ui/record_fields_display.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <span>

#include "data/codepage.h"
#include "data/record_format.h"

namespace obrazac::ui {
namespace {

constexpr const char* kCaption = "Sadržaj sloga";

// The title and labels of each record type. The labels follow the record layout field by field;
// the letter says how the users read the field, which is not always how the layout stores it.
struct TypeLabels {
  char type;
  const char* title;
  std::span<const char* const> labels;
};

constexpr const char* kSender[] = {"N RS0MBOO ", "N RS0MBGO", "C RS0NAOB ", "C RS0ADOB ",
                                   "C RS0OSOB",  "C RS0TELE", "C RS0MAIL",  "C RS0DTMN",
                                   "C RS0OFOR",  "C RS0REZE", "N RS0TIPS"};
constexpr const char* kFormHeader[] = {
    "N RS3MBOO", "N RS3MBGO", "N RS3RBSU", "C RS3NAOB", "C RS3ADOB", "N RS3VROB",
    "N RS3MMGG", "N RS3VROI", "N RS3BROS", "N RS3IBRT", "N RS3IOST", "N RS3IST1",
    "N RS3IST2", "N RS3INET", "N RS3IGMM", "C RS3REZE", "N RS3TIPS"};
constexpr const char* kRow[] = {"N RS5RBRO", "N RS5MBGO", "C RS5PRIM", "N RS5GROP", "N RS5OSOB",
                                "N RS5RAZD", "N RS5IBRT", "N RS5IOSN", "N RS5IST1", "N RS5IST2",
                                "N RS5INET", "N RS5REZE", "N RS5TIPS"};
constexpr const char* kFormClosing[] = {"N RS7MBOO", "N RS7MBGO", "N RS7RBSU", "N RS7BRSL",
                                        "N RS7DTRS", "N RS7REZE", "N RS7TIPS"};
constexpr const char* kFileClosing[] = {"N RS9MBOO", "N RS9MBGO", "N RS9DTMN", "N RS9BROJ",
                                        "C RS9REZE", "C RS9DIGP", "N RS9TIPS"};

constexpr TypeLabels kTypes[] = {
    {'0', "POČETNI SLOG FORMATA - tip sloga 0", kSender},
    {'3', "VODEĆI SLOG JEDNOG OBRASCA - tip sloga 3", kFormHeader},
    {'5', "SLOG POJEDINAČNE TRANSAKCIJE - tip sloga 5", kRow},
    {'7', "ZAKLJUČNI SLOG JEDNOG OBRASCA - tip sloga 7", kFormClosing},
    {'9', "ZAKLJUČNI SLOG FORMATA - tip sloga 9", kFileClosing},
};

QString display(std::string_view cp1250) {
  return QString::fromStdString(utf8FromCp1250(cp1250));
}

}  // namespace

RecordFieldsDisplay::RecordFieldsDisplay(QWidget* parent)
    : QGroupBox(QString::fromUtf8(kCaption), parent) {
  setAccessibleName(QString::fromUtf8(kCaption));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(0);
  setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int i = 0; i < kPairs; ++i) {
    auto* label = new QLabel(this);
    auto* value = new QLabel(this);
    label->setFont(fixed);
    value->setFont(fixed);
    // A label of 10 characters and a value of 50: a longer field shows its first 50.
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QString(10, 'N')));
    value->setFixedWidth(value->fontMetrics().horizontalAdvance(QString(50, 'N')));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setBuddy(value);
    grid->addWidget(label, i, 0);
    grid->addWidget(value, i, 1);
    labels_[static_cast<std::size_t>(i)] = label;
    values_[static_cast<std::size_t>(i)] = value;
  }
  grid->setRowStretch(kPairs, 1);
}

void RecordFieldsDisplay::clearLine() {
  setTitle(QString::fromUtf8(kCaption));
  for (int i = 0; i < kPairs; ++i) {
    label(i)->clear();
    value(i)->clear();
    value(i)->setAccessibleName(QString());
  }
}

void RecordFieldsDisplay::showLine(std::string_view line) {
  clearLine();
  if (line.empty()) return;
  const char type = line.back();
  const auto* layout = submission::findRecordLayout(type);
  if (!layout) return;
  for (const TypeLabels& t : kTypes) {
    if (t.type != type) continue;
    setTitle(QString::fromUtf8(t.title));
    for (std::size_t i = 0; i < t.labels.size() && i < layout->fields.size(); ++i) {
      const int pair = static_cast<int>(i);
      const QString name = QString::fromUtf8(t.labels[i]);
      label(pair)->setText(name);
      value(pair)->setText(display(layout->fields[i].cut(line)));
      value(pair)->setAccessibleName(name.trimmed());
    }
  }
}

}  // namespace obrazac::ui

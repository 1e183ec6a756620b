#include "frame/ui/entry_picture.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <cctype>

#include "data/picture.h"

namespace obrazac::ui {

EntryPicture::EntryPicture(std::string_view picture) {
  if (picture.empty()) return;
  if (picture[0] == 's' || picture[0] == 'S') {
    width_ = std::stoi(std::string(picture.substr(1)));
    return;
  }
  const NumberPicture parsed(picture);  // throws on a malformed picture
  number_ = std::string(picture);
  width_ = parsed.width();
  places_ = parsed.places();
  std::size_t i = 1;
  sign_ = i < picture.size() && picture[i] == '-';
  if (sign_) ++i;
  const bool filled = i < picture.size() && (picture[i] == '0' || picture[i] == '_');
  if (filled) ++i;
  while (i < picture.size() && std::isdigit(static_cast<unsigned char>(picture[i]))) ++i;
  std::string_view tail = picture.substr(i);
  while (!tail.empty() && std::isdigit(static_cast<unsigned char>(tail.back())))
    tail.remove_suffix(1);
  const char markChar = tail.empty() ? 0 : tail.back();
  mark_ = markChar == '`' ? ',' : markChar == '.' ? '.' : 0;
  if (tail.size() == 2)
    grouping_ = tail.front();
  else if (!filled)
    grouping_ = mark_ == ',' ? '.' : ',';
}

void EntryPicture::applyTo(QLineEdit* edit) const {
  if (width_ > 0) edit->setMaxLength(width_);
  if (!isNumber()) return;
  QString digits = "0-9";
  if (grouping_) digits += QRegularExpression::escape(QString(QChar(grouping_)));
  QString pattern = QString(sign_ ? "-?" : "") + "[" + digits + "]*";
  if (mark_ && places_ > 0)
    pattern += "(" + QRegularExpression::escape(QString(QChar(mark_))) + "[0-9]{0," +
               QString::number(places_) + "})?";
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  edit->setAlignment(Qt::AlignRight);
}

QString EntryPicture::show(const Decimal& value) const {
  return QString::fromStdString(formatNumber(value, number_)).trimmed();
}

QString EntryPicture::withoutGrouping(const QString& text) const {
  QString plain = text;
  if (grouping_) plain.remove(QChar(grouping_));
  return plain;
}

std::optional<Decimal> EntryPicture::read(const QString& text) const {
  std::string plain;
  for (const QChar c : text.trimmed()) {
    const char a = c.toLatin1();
    if (grouping_ && a == grouping_) continue;
    plain += mark_ && a == mark_ ? '.' : a;
  }
  if (plain.empty() || plain == "-") return Decimal();
  return Decimal::parse(plain);
}

}  // namespace obrazac::ui

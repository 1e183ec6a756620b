#include "frame/ui/croatian_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace obrazac::ui {

QString installCroatianTranslation() {
  const QLocale croatian(QLocale::Croatian, QLocale::Croatia);
  QLocale::setDefault(croatian);
  static QTranslator qt;
  if (!qt.isEmpty()) return qt.filePath();
  if (!qt.load(croatian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return {};
  QCoreApplication::installTranslator(&qt);
  return qt.filePath();
}

}  // namespace obrazac::ui

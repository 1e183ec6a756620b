#include "frame/ui/settings_manager.h"

#include <QDir>
#include <QStandardPaths>

namespace obrazac::ui {

QString SettingsManager::defaultFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(folder);
  return QDir(folder).filePath("tk_2005.INI");
}

SettingsManager::SettingsManager(const QString& file)
    : file_(file), settings_(file, QSettings::IniFormat) {}

std::optional<WindowPlace> SettingsManager::read(const QString& procedure) const {
  settings_.beginGroup(procedure);
  std::optional<WindowPlace> place;
  if (settings_.contains("XPos")) {
    place.emplace();
    place->x = settings_.value("XPos").toInt();
    place->y = settings_.value("YPos").toInt();
    if (settings_.contains("Width")) place->width = settings_.value("Width").toInt();
    if (settings_.contains("Height")) place->height = settings_.value("Height").toInt();
  }
  settings_.endGroup();
  return place;
}

void SettingsManager::write(const QString& procedure, const WindowPlace& place) {
  settings_.beginGroup(procedure);
  settings_.setValue("XPos", QString::number(place.x));
  settings_.setValue("YPos", QString::number(place.y));
  if (place.height) settings_.setValue("Height", QString::number(*place.height));
  if (place.width) settings_.setValue("Width", QString::number(*place.width));
  settings_.endGroup();
  settings_.sync();
}

}  // namespace obrazac::ui

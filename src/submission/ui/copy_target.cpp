#include "submission/ui/copy_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>

#include "frame/ui/settings_manager.h"

namespace obrazac::ui {
namespace {

constexpr const char* kLastTarget = "Kopiranje/ZadnjiCilj";

// Removable media are mounted under /media or /run/media by the desktop.
bool isRemovable(const QStorageInfo& volume) {
  const QString root = volume.rootPath();
  return volume.isValid() && volume.isReady() && !volume.isReadOnly() &&
         (root.startsWith("/media/") || root.startsWith("/run/media/"));
}

}  // namespace

QString proposedCopyTarget(const SettingsManager& settings, const QString& fileName) {
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (isRemovable(volume)) return QDir(volume.rootPath()).filePath(fileName);
  const QString last =
      QSettings(settings.file(), QSettings::IniFormat).value(kLastTarget).toString();
  if (!last.isEmpty()) return QFileInfo(last).dir().filePath(fileName);
  return QDir::home().filePath(fileName);
}

void rememberCopyTarget(const SettingsManager& settings, const QString& target) {
  QSettings(settings.file(), QSettings::IniFormat).setValue(kLastTarget, target);
}

QString copyOver(const QString& source, const QString& target) {
  QFile old(target);
  if (old.exists() && !old.remove()) return old.errorString();
  QFile from(source);
  if (!from.copy(target)) return from.errorString();
  return {};
}

}  // namespace obrazac::ui

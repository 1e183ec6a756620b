// The settings file tk_2005.INI: one section per window procedure ("Main", "BrowseFirme", ...)
// holding the window's last place as XPos, YPos, Width and Height in dialog units. A section
// without XPos restores nothing; a missing file is no error.
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

namespace obrazac::ui {

struct WindowPlace {
  int x = 0;
  int y = 0;
  std::optional<int> width;  // only for windows with a resizable frame
  std::optional<int> height;
};

class SettingsManager {
 public:
  // The settings file in the user's configuration folder.
  static QString defaultFile();

  explicit SettingsManager(const QString& file);

  const QString& file() const { return file_; }
  std::optional<WindowPlace> read(const QString& procedure) const;
  void write(const QString& procedure, const WindowPlace& place);

 private:
  QString file_;
  mutable QSettings settings_;
};

}  // namespace obrazac::ui

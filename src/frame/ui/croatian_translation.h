// Qt's own texts in Croatian: the buttons of every question (Da, Ne, Odustani), the file and
// printer dialogs, the context menus of the entries. Qt's translation (qtbase_hr.qm, Debian's
// qt6-translations-l10n) is loaded at start; the program's own texts are Croatian already.
#pragma once

#include <QString>

namespace obrazac::ui {

// Installs the translation on the running application and makes Croatian the default locale.
// Returns the file loaded, empty when Qt's translation is not installed (Qt stays English).
QString installCroatianTranslation();

}  // namespace obrazac::ui

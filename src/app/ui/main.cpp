// Entry point of obrazac, the desktop program: obrazac [--dir FOLDER] [--settings FILE];
// obrazac --help-page TOPIC prints where the manual's page of a help topic lies and ends.
// Start-up sets up the standard messages, the settings file and the data dictionary, runs Main
// (the frame) until it closes, then releases them in the reverse order.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/ui/main_frame.h"
#include "app/ui/screenshots.h"
#include "app/ui/start_checks.h"
#include "frame/ui/croatian_translation.h"
#include "frame/ui/error_manager.h"
#include "frame/ui/help_book.h"
#include "frame/ui/prompter.h"
#include "frame/ui/settings_manager.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("obrazac");
  QApplication::setApplicationDisplayName("Obrazac R-S");
  QApplication::setApplicationVersion(OBRAZAC_VERSION);
  // The frame's font: a sans serif of 8 points (Liberation Sans stands in for the classic one).
  QApplication::setFont(QFont("Liberation Sans", 8));
  obrazac::ui::installCroatianTranslation();

  QCommandLineParser options;
  options.setApplicationDescription("Priprema obrasca R-S i datoteke za VELOR");
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption dir("dir", "radna mapa (zadano: trenutna mapa)", "mapa");
  const QCommandLineOption settingsFile("settings", "datoteka postavki prozora (tk_2005.INI)",
                                        "datoteka");
  const QCommandLineOption screenshots("screenshots", "slike prozora u PNG u mapu", "mapa");
  options.addOption(dir);
  options.addOption(settingsFile);
  const QCommandLineOption helpPage("help-page", "put do stranice uputa za temu i kraj", "tema");
  options.addOption(screenshots);
  options.addOption(helpPage);
  options.process(app);
  if (options.isSet(helpPage)) {
    const obrazac::ui::HelpBook book(obrazac::ui::HelpBook::findFolder());
    if (book.pages().empty()) {
      std::cerr << "obrazac: upute za rad nisu instalirane uz program\n";
      return 1;
    }
    std::cout << QDir(book.folder()).filePath(book.pageOf(options.value(helpPage))).toStdString()
              << "\n";
    return 0;
  }

  // Paths given on the command line are taken from the folder the program was started in.
  auto fromStart = [](const QString& path) { return QDir::current().absoluteFilePath(path); };
  const QString settingsPath = options.isSet(settingsFile)
                                   ? fromStart(options.value(settingsFile))
                                   : obrazac::ui::SettingsManager::defaultFile();
  const QString shotsPath = options.isSet(screenshots) ? fromStart(options.value(screenshots)) : "";

  std::filesystem::path workDir = std::filesystem::current_path();
  if (options.isSet(dir)) workDir = options.value(dir).toStdString();
  std::error_code ec;
  workDir = std::filesystem::absolute(workDir, ec);
  if (!std::filesystem::is_directory(workDir, ec)) {
    std::cerr << "obrazac: radna mapa " << workDir.string() << " ne postoji\n";
    return 2;
  }
  // Tables without a folder of their own are opened in the working folder, which is also the
  // program's current folder.
  std::filesystem::current_path(workDir, ec);

  obrazac::ui::MessageBoxPrompter prompter;
  obrazac::ui::ErrorManager errors(prompter, [](int code) {
    // A fatal message ends the program once confirmed; committed data is safe in the tables.
    std::_Exit(code);
  });
  obrazac::ui::SettingsManager settings(settingsPath);

  if (options.isSet(screenshots))
    return obrazac::ui::takeScreenshots(prompter, errors, settings, workDir, shotsPath);

  obrazac::ui::settleWorkingFolder(prompter, workDir);
  obrazac::ui::MainFrame frame(prompter, errors, settings, workDir);
  frame.show();
  return app.exec();
}

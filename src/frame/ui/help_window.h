// The window "Upute": the program's manual (HelpBook) with its contents, its index and a
// full-text search on the left and the page on the right. One help window serves the whole
// program: every "Upute" button, the help key of the toolbar and the help menu bring it up at a
// topic (the contents "~T1.0", the parameters "~T5.0", or the window's own page).
#pragma once

#include <QPointer>

#include "frame/ui/help_book.h"
#include "frame/ui/procedure_window.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace obrazac::ui {

class HelpWindow final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kContents = 1,
    kIndexWord = 2,
    kIndex = 3,
    kSearchWords = 4,
    kSearch = 5,
    kResults = 6,
    kPage = 7,
    kBack = 8,
    kForward = 9,
    kClose = 10,
  };
  enum class Tab { Contents, Index, Search };

  // Brings the help window up (opening it when it is not open) at the page of `topic`, with the
  // tab shown. Without a manual it says so and opens nothing.
  static HelpWindow* open(Desktop& desktop, const QString& topic, Tab tab = Tab::Contents);
  static HelpWindow* current();

  HelpWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, const QString& folder);

  const HelpBook& book() const { return book_; }
  // The file name of the page shown.
  QString page() const;
  void showTopic(const QString& topic, Tab tab);
  // Searches the pages for the words and lists those that hold them all.
  void search(const QString& words);
  QListWidget* results() const { return results_; }

 protected:
  void declare() override;
  int takeAccepted(int control) override;
  void showHelp() override;

 private:
  void showPage(const QString& file);
  void filterIndex(const QString& start);

  HelpBook book_;
  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* indexWord_;
  QListWidget* index_;
  QLineEdit* searchWords_;
  QListWidget* results_;
  QTextBrowser* browser_;
};

}  // namespace obrazac::ui

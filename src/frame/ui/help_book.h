// The program's manual: HTML pages in Croatian in the folder "help" (shipped with the
// program). Each page names in its head the help topics it
// answers (the contents "~T1.0", the parameters "~T5.0", or a window's procedure name) and its
// index words; the book finds a topic's page, lists the index and searches the pages' text.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace obrazac::ui {

struct HelpPage {
  QString file;  // the page's file name in the help folder
  QString title;
  QStringList topics;
  QStringList keywords;
  QString text;  // the page as plain text, for the search
};

class HelpBook {
 public:
  // The manual shipped with the running program (data/program_files.h); empty when there is
  // none.
  static QString findFolder();

  explicit HelpBook(const QString& folder);

  const QString& folder() const { return folder_; }
  bool empty() const { return pages_.empty(); }
  // In the order of the contents page's links, the contents page first.
  const std::vector<HelpPage>& pages() const { return pages_; }
  // The page of a help topic; the contents page for a topic no page answers.
  QString pageOf(const QString& topic) const;
  const QString& contents() const { return contents_; }
  // Every index word with its page, in Croatian alphabetical order.
  const std::vector<std::pair<QString, QString>>& index() const { return index_; }
  // The pages whose text, title or index words hold every word of `words`, letter case aside.
  QStringList search(const QString& words) const;

 private:
  QString folder_;
  QString contents_;
  std::vector<HelpPage> pages_;
  std::vector<std::pair<QString, QString>> index_;
};

}  // namespace obrazac::ui

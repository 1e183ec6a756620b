#include "frame/ui/help_book.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

#include "data/program_files.h"

namespace obrazac::ui {
namespace {

QString metaContent(const QString& html, const QString& name) {
  const QRegularExpression re(
      QString(R"re(<meta\s+name="%1"\s+content="([^"]*)")re").arg(QRegularExpression::escape(name)),
      QRegularExpression::CaseInsensitiveOption);
  const auto m = re.match(html);
  return m.hasMatch() ? m.captured(1) : QString();
}

HelpPage readPage(const QDir& dir, const QString& file) {
  QFile f(dir.filePath(file));
  HelpPage page{file, {}, {}, {}, {}};
  if (!f.open(QIODevice::ReadOnly)) return page;
  const QString html = QString::fromUtf8(f.readAll());
  QTextDocument doc;
  doc.setHtml(html);
  page.title = doc.metaInformation(QTextDocument::DocumentTitle);
  page.text = doc.toPlainText();
  page.topics = metaContent(html, "topics").split(' ', Qt::SkipEmptyParts);
  for (const QString& k : metaContent(html, "keywords").split(';', Qt::SkipEmptyParts))
    page.keywords << k.trimmed();
  return page;
}

// The pages in the order the contents page links them; pages it does not link come last.
QStringList pageOrder(const QDir& dir, const QString& contents) {
  QStringList order{contents};
  QFile f(dir.filePath(contents));
  if (f.open(QIODevice::ReadOnly)) {
    const QRegularExpression link(R"re(href="([^"#]+\.html))re");
    auto it = link.globalMatch(QString::fromUtf8(f.readAll()));
    while (it.hasNext()) {
      const QString file = it.next().captured(1);
      if (!order.contains(file)) order << file;
    }
  }
  for (const QString& file : dir.entryList({"*.html"}, QDir::Files, QDir::Name))
    if (!order.contains(file)) order << file;
  return order;
}

}  // namespace

QString HelpBook::findFolder() {
  const auto contents = findProgramFile(QCoreApplication::applicationDirPath().toStdString(),
                                        std::filesystem::path("help") / "index.html");
  if (contents.empty()) return {};
  return QDir(QString::fromStdString(contents.parent_path().string())).absolutePath();
}

HelpBook::HelpBook(const QString& folder) : folder_(folder), contents_("index.html") {
  if (folder.isEmpty()) return;
  const QDir dir(folder);
  if (!dir.exists(contents_)) return;
  for (const QString& file : pageOrder(dir, contents_)) pages_.push_back(readPage(dir, file));
  for (const HelpPage& p : pages_)
    for (const QString& k : p.keywords) index_.emplace_back(k, p.file);
  QCollator croatian{QLocale(QLocale::Croatian, QLocale::Croatia)};
  croatian.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(index_.begin(), index_.end(), [&](const auto& a, const auto& b) {
    return croatian.compare(a.first, b.first) < 0;
  });
}

// The contents page answers "~T1.0" and every topic no page names.
QString HelpBook::pageOf(const QString& topic) const {
  for (const HelpPage& p : pages_)
    if (p.topics.contains(topic)) return p.file;
  return contents_;
}

QStringList HelpBook::search(const QString& words) const {
  const QStringList wanted = words.split(QRegularExpression(R"(\s+)"), Qt::SkipEmptyParts);
  QStringList found;
  if (wanted.isEmpty()) return found;
  for (const HelpPage& p : pages_) {
    const bool all = std::all_of(wanted.begin(), wanted.end(), [&](const QString& w) {
      return p.text.contains(w, Qt::CaseInsensitive) || p.title.contains(w, Qt::CaseInsensitive) ||
             p.keywords.join(' ').contains(w, Qt::CaseInsensitive);
    });
    if (all) found << p.file;
  }
  return found;
}

}  // namespace obrazac::ui

#include "frame/ui/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace obrazac::ui {
namespace {

QPointer<HelpWindow>& instance() {
  static QPointer<HelpWindow> window;
  return window;
}

QListWidgetItem* pageItem(QListWidget* list, const QString& text, const QString& file) {
  auto* item = new QListWidgetItem(text, list);
  item->setData(Qt::UserRole, file);
  return item;
}

// A control with its caption as accessible name, registered by number.
template <class W>
W* named(HelpWindow& window, W* widget, int id, const QString& name) {
  widget->setAccessibleName(name);
  window.registerControl(id, widget);
  return widget;
}

}  // namespace

HelpWindow* HelpWindow::current() {
  return instance() && !instance()->isDead() ? instance().data() : nullptr;
}

HelpWindow* HelpWindow::open(Desktop& desktop, const QString& topic, Tab tab) {
  if (HelpWindow* w = current()) {
    w->showTopic(topic, tab);
    desktop.host.activate(*w);
    return w;
  }
  const QString folder = HelpBook::findFolder();
  if (folder.isEmpty()) {
    desktop.prompter.message(
        QString::fromUtf8("Upute za rad nisu instalirane uz program (nema mape help)."));
    return nullptr;
  }
  auto* w = new HelpWindow(desktop, std::make_shared<ProcedureThread>(desktop.workDir), folder);
  instance() = w;
  w->run();
  w->showTopic(topic, tab);
  return w;
}

HelpWindow::HelpWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                       const QString& folder)
    : ProcedureWindow(desktop, std::move(thread), "Upute"),
      book_(folder),
      tabs_(new QTabWidget),
      contents_(new QListWidget),
      indexWord_(new QLineEdit),
      index_(new QListWidget),
      searchWords_(new QLineEdit),
      results_(new QListWidget),
      browser_(new QTextBrowser) {
  setWindowTitle("Upute");
  setDialogSize(400, 260);

  for (const HelpPage& p : book_.pages()) pageItem(contents_, p.title, p.file);
  auto* contentsPage = new QWidget;
  (new QVBoxLayout(contentsPage))->addWidget(named(*this, contents_, kContents, "Sadržaj"));
  tabs_->addTab(contentsPage, QString::fromUtf8("&Sadržaj"));

  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  auto* indexPrompt = new QLabel(QString::fromUtf8("&Upišite početak pojma:"));
  indexPrompt->setBuddy(indexWord_);
  indexLayout->addWidget(indexPrompt);
  indexLayout->addWidget(named(*this, indexWord_, kIndexWord, "Upišite početak pojma:"));
  indexLayout->addWidget(named(*this, index_, kIndex, "Kazalo"));
  for (const auto& [word, file] : book_.index()) pageItem(index_, word, file);
  tabs_->addTab(indexPage, QString::fromUtf8("&Kazalo"));

  auto* searchPage = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPage);
  auto* searchPrompt = new QLabel(QString::fromUtf8("Upišite &riječ:"));
  searchPrompt->setBuddy(searchWords_);
  searchLayout->addWidget(searchPrompt);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(
      named(*this, searchWords_, kSearchWords, QString::fromUtf8("Upišite riječ:")));
  auto* find = new QPushButton(QString::fromUtf8("&Traži"));
  find->setAccessibleName(QString::fromUtf8("Traži"));
  registerButton(kSearch, find);
  searchRow->addWidget(find);
  searchLayout->addLayout(searchRow);
  searchLayout->addWidget(
      named(*this, results_, kResults, QString::fromUtf8("Pronađene stranice")));
  tabs_->addTab(searchPage, QString::fromUtf8("&Pretraživanje"));

  browser_->setSearchPaths({book_.folder()});
  named(*this, browser_, kPage, QString::fromUtf8("Stranica uputa"));
  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* text, const char* name, int id) {
    auto* b = new QPushButton(QString::fromUtf8(text));
    b->setAccessibleName(QString::fromUtf8(name));
    registerButton(id, b);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* back = button("&Natrag", "Natrag", kBack);
  QPushButton* forward = button("Naprije&d", "Naprijed", kForward);
  buttons->addStretch(1);
  button("&Zatvori", "Zatvori", kClose);
  buttons_.emplace_back(kClose, response::kCancelled);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);

  auto open = [this](QListWidgetItem* item) {
    if (item) showPage(item->data(Qt::UserRole).toString());
  };
  for (QListWidget* list : {contents_, index_, results_}) {
    connect(list, &QListWidget::itemActivated, this, open);
    connect(list, &QListWidget::itemClicked, this, open);
  }
  connect(indexWord_, &QLineEdit::textEdited, this, &HelpWindow::filterIndex);
  connect(indexWord_, &QLineEdit::returnPressed, this,
          [this, open] { open(index_->currentItem()); });
  connect(searchWords_, &QLineEdit::returnPressed, this, [this] { search(searchWords_->text()); });
}

void HelpWindow::declare() {
  firstField_ = kContents;
}

QString HelpWindow::page() const {
  return browser_->source().fileName();
}

void HelpWindow::showPage(const QString& file) {
  browser_->setSource(QUrl::fromLocalFile(book_.folder() + "/" + file));
}

void HelpWindow::showTopic(const QString& topic, Tab tab) {
  showPage(book_.pageOf(topic));
  tabs_->setCurrentIndex(static_cast<int>(tab));
  QWidget* focus = contents_;
  if (tab == Tab::Index) focus = indexWord_;
  if (tab == Tab::Search) focus = searchWords_;
  focus->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::search(const QString& words) {
  searchWords_->setText(words);
  tabs_->setCurrentIndex(static_cast<int>(Tab::Search));
  results_->clear();
  const QStringList found = book_.search(words);
  for (const HelpPage& p : book_.pages())
    if (found.contains(p.file)) pageItem(results_, p.title, p.file);
  if (found.isEmpty()) {
    desktop().prompter.message(
        QString::fromUtf8("Riječ \"%1\" nije pronađena u uputama.").arg(words));
    return;
  }
  results_->setCurrentRow(0);
  showPage(found.front());
  browser_->find(words.split(' ', Qt::SkipEmptyParts).value(0));
}

// The index follows the word typed: the first entry that starts with it is highlighted.
void HelpWindow::filterIndex(const QString& start) {
  for (int i = 0; i < index_->count(); ++i) {
    if (index_->item(i)->text().startsWith(start, Qt::CaseInsensitive)) {
      index_->setCurrentRow(i);
      index_->scrollToItem(index_->item(i));
      return;
    }
  }
}

int HelpWindow::takeAccepted(int control) {
  switch (control) {
    case kSearch:
      search(searchWords_->text());
      return level::kNotify;
    case kBack:
      browser_->backward();
      return level::kNotify;
    case kForward:
      browser_->forward();
      return level::kNotify;
    default:
      return ProcedureWindow::takeAccepted(control);
  }
}

// Help on the help window: how to use the manual.
void HelpWindow::showHelp() {
  showTopic("HelpOnHelp", Tab::Contents);
}

}  // namespace obrazac::ui

// A list of one table's records on a procedure window: a view that holds only the visible page
// (the pager reads it by key around the highlighted record), sort orders as tabs with their
// locators and ranges, the window's insert, change, delete and select buttons with their keys
// and popup menu, and the request protocol with the update form: the list calls the form with a
// request, refills around the record the form leaves in the buffer, and carries on as the
// navigation request the user left the form with says.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/browse_pager.h"
#include "frame/ui/procedure_window.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QScrollBar;
class QTabBar;
class QTableView;
class QKeyEvent;

namespace obrazac::ui {

class BrowseList : public QObject {
  Q_OBJECT

 public:
  struct Column {
    QString title;
    std::string field;                             // "SIFRA"
    int width = 10;                                // in characters
    std::function<QString(const Record&)> format;  // the field's own display when empty
  };

  enum class Locator { None, Step, Entry };

  struct SortOrder {
    QString tab;
    std::string key;  // "KEYSIFRA"
    Locator locator = Locator::None;
    QString locatorPrompt;
    QString locatorTip;
    int locatorWidth = 10;  // characters of an entry locator
    // A range fixes the key's leading components to the values primeRange puts in a record:
    // a variable's value, or the link of a parent table's current record.
    int rangeComponents = 0;
    std::function<void(Record&)> primeRange;
    std::function<bool(const Record&)> filter;
  };

  BrowseList(ProcedureWindow& window, const std::string& prefix, int listControl);
  ~BrowseList() override;

  QWidget* widget() const { return box_; }
  QTableView* view() const { return view_; }
  QLineEdit* locatorEntry() const { return entry_; }
  QTabBar* tabs() const { return tabs_; }
  QMenu* popup() const { return popup_; }
  BrowsePager& pager() { return pager_; }
  Table& table() { return pager_.table(); }
  int listControl() const { return listControl_; }
  bool selecting() const { return selecting_; }

  void addSortOrder(SortOrder order);
  void addColumn(Column column);
  void setButtons(int insert, int change, int remove, int select, int help = 0);
  void setAskProcedure(int number) { askProcedure_ = number; }
  bool hideSelect = true;

  // Registers the list with its window once the window is open: its toolbar target, and
  // selecting mode when the window was called to select a record.
  void init();
  void setAlerts();
  void kill();

  // Runs the update form for the highlighted record (or a new one) and carries on as the
  // navigation request says.
  void ask(int request);
  void takeEvent(const Event& e);
  void resetSort(bool force);
  // Shows the page, the highlight, the buttons and the toolbar as they now stand.
  void updateWindow();
  // Reads the highlighted record again, watched, before a form works on it.
  void refreshCurrent();
  bool needsRefresh() const;
  // Moves by a toolbar code (2004 last page ... 2009 previous record).
  void move(int code);

  int rowCount() const;
  int currentRow() const { return pager_.current(); }
  QString cellText(int row, int column) const;
  int columnCount() const { return static_cast<int>(columns_.size()); }
  const Column& column(int c) const { return columns_[static_cast<std::size_t>(c)]; }

 signals:
  // The protocol with the update form has ended with this response.
  void askFinished(int response);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void answer(int request, int response);
  void pressButton(int control);
  bool takeKey(QKeyEvent* key);
  bool takeLocatorKey(QKeyEvent* key);
  void locateShadow();
  void applyOrder();
  int fittingRows() const;
  void pageSizeChanged();
  void newSelection();
  void updateButtons();
  void selectSortOrder(int index);
  void showPopup(const QPoint& pos);
  Record rangeValues() const;

  ProcedureWindow& window_;
  std::string prefix_;
  int listControl_;
  BrowsePager pager_;
  std::vector<SortOrder> orders_;
  int active_ = 0;
  std::vector<Column> columns_;
  std::vector<int> columnFields_;
  int insertControl_ = 0;
  int changeControl_ = 0;
  int deleteControl_ = 0;
  int selectControl_ = 0;
  int helpControl_ = 0;
  int askProcedure_ = 1;
  bool selecting_ = false;
  std::unique_ptr<Record> savedBuffer_;
  QString shadow_;
  std::unique_ptr<Record> lastRange_;
  bool pageSizeDirty_ = false;
  bool syncing_ = false;
  int thumbValue_ = 0;

  QWidget* box_;
  QTabBar* tabs_;
  QWidget* locatorRow_;
  QLabel* locatorPrompt_;
  QLineEdit* entry_;
  QTableView* view_;
  QScrollBar* thumb_;
  QMenu* popup_;
  QAction* insertItem_;
  QAction* changeItem_;
  QAction* deleteItem_;
  QAction* selectItem_;
  class PageModel;
  PageModel* model_;
};

}  // namespace obrazac::ui

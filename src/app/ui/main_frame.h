// Main, the procedure of the frame window: the multi-document frame with its caption, its five
// menus, the thirteen-button toolbar and the four-zone status bar. Every menu item starts its
// procedure on a thread of its own (a new context) as a child window of the frame; the toolbar
// acts on the active child window; the logo shows when the frame opens. The frame also places
// the windows (its MDI area is their host) and shows the active window's toolbar state.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "frame/ui/desktop.h"
#include "frame/ui/procedure_window.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace obrazac::ui {

class MainFrame final : public QMainWindow, public WindowHost, public ToolbarView {
  Q_OBJECT

 public:
  using Factory = std::function<ProcedureWindow*(Desktop&, std::shared_ptr<ProcedureThread>)>;

  MainFrame(Prompter& prompter, ErrorManager& errors, SettingsManager& settings,
            std::filesystem::path workDir);
  ~MainFrame() override;

  Desktop& desktop() { return desktop_; }
  QMdiArea* mdiArea() const { return mdi_; }
  ProcedureThread& mainThread() { return *thread_; }

  // Starts a procedure on a new thread as a child window of the frame.
  ProcedureWindow* start(const Factory& factory);
  // The menu item or toolbar button with this name (the procedure it starts, or "tb2008").
  QAction* action(const QString& name) const;
  QAction* toolbarAction(int code) const;
  ProcedureWindow* logo() const { return logo_; }
  // The frame without the logo at start (screenshots and tests that look at other windows).
  void setShowLogo(bool on) { showLogo_ = on; }
  QLabel* statusZone(int zone) const;

  // WindowHost
  void attach(ProcedureWindow& w) override;
  void show(ProcedureWindow& w) override;
  ProcedureWindow* activeWindow() const override;
  void activate(ProcedureWindow& w) override;
  void holdTables(bool hold) override;
  // ToolbarView
  void showToolbar(const ToolbarState& state) override;

  using QMainWindow::show;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  QAction* item(QMenu* menu, const QString& text, const QString& status, const QString& name,
                std::function<void()> run);
  // Every menu choice and toolbar button first closes the logo, if it still shows.
  void accepted();
  void forwardToolbar(int code);
  void subWindowActivated(QMdiSubWindow* sub);
  void fillWindowMenu();
  void arrangeIcons();
  void openParameters();
  void setUpPrinter();
  void editAction(const char* slot);
  void updateStatusZones();
  void restorePlace();
  void savePlace();

  Desktop desktop_;
  std::shared_ptr<ProcedureThread> thread_;
  QMdiArea* mdi_;
  QMenu* windowMenu_ = nullptr;
  QList<QAction*> windowItems_;
  std::map<int, QAction*> toolbarActions_;
  std::array<QLabel*, 4> zones_{};
  QPointer<ProcedureWindow> logo_;
  QPointer<ProcedureWindow> active_;
  bool showLogo_ = true;
  bool opened_ = false;
  bool aplOpened_ = false;
};

}  // namespace obrazac::ui

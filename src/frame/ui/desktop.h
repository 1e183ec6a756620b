// The services every window of the program shares: the prompter and the standard messages, the
// settings file, the host that places windows (the frame's MDI area, or the screen when there
// is no frame), the frame's toolbar and the working folder.
#pragma once

#include <filesystem>

#include "frame/ui/error_manager.h"
#include "frame/ui/prompter.h"
#include "frame/ui/settings_manager.h"
#include "frame/ui/toolbar_state.h"

namespace obrazac::ui {

class ProcedureWindow;

// Where procedure windows live. The frame puts each into an MDI child window; without a frame
// each is a window of its own.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Gives the window its place (not shown yet); the place is deleted when the window closes.
  virtual void attach(ProcedureWindow& w) = 0;
  virtual void show(ProcedureWindow& w) = 0;
  virtual ProcedureWindow* activeWindow() const = 0;
  virtual void activate(ProcedureWindow& w) = 0;
  // The host lets go of the tables it holds open itself while a run replaces their files
  // (false), and takes them again afterwards (true).
  virtual void holdTables(bool hold) { (void)hold; }
};

// Each window a top-level window of its own: for a program part shown without the frame.
class TopLevelHost final : public WindowHost {
 public:
  void attach(ProcedureWindow& w) override;
  void show(ProcedureWindow& w) override;
  ProcedureWindow* activeWindow() const override;
  void activate(ProcedureWindow& w) override;
};

// The frame's toolbar as the windows see it.
class ToolbarView {
 public:
  virtual ~ToolbarView() = default;
  virtual void showToolbar(const ToolbarState& state) = 0;
};

struct Desktop {
  Prompter& prompter;
  ErrorManager& errors;
  SettingsManager& settings;
  WindowHost& host;
  ToolbarView* toolbar = nullptr;
  std::filesystem::path workDir;
};

}  // namespace obrazac::ui

#include "frame/ui/toolbar_dispatcher.h"

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

ToolbarState frameToolbarState() {
  ToolbarState s;
  s.setTip(toolbar::kTop, QString::fromUtf8("Skok na prvu stranicu"));
  s.setTip(toolbar::kPageUp, QString::fromUtf8("Povratak na prethodnu stranicu"));
  s.setTip(toolbar::kUp, QString::fromUtf8("Prethodni redak"));
  s.setTip(toolbar::kLocate, QString::fromUtf8("Traži podatak"));
  s.setTip(toolbar::kDown, QString::fromUtf8("Slijedeći redak "));
  s.setTip(toolbar::kPageDown, QString::fromUtf8("Skon na slijedeću stranicu"));
  s.setTip(toolbar::kBottom, QString::fromUtf8("Skok na kraj ispisa"));
  s.setTip(toolbar::kSelect, "Select This Record");
  s.setTip(toolbar::kInsert, QString::fromUtf8("Upis novog podatka"));
  s.setTip(toolbar::kChange, QString::fromUtf8("Promjena postojećih podataka"));
  s.setTip(toolbar::kDelete, QString::fromUtf8("Brisanje podatka"));
  s.setTip(toolbar::kHistory, QString::fromUtf8("Prethodna vrijednost"));
  s.setTip(toolbar::kHelp, QString::fromUtf8("Upute za rad"));
  return s;
}

void ToolbarDispatcher::addTarget(const ToolbarTarget& target) {
  targets_.push_back(target);
  if (current_ < 0) current_ = 0;
}

void ToolbarDispatcher::setTarget(const BrowseList* browse) {
  for (std::size_t i = 0; i < targets_.size(); ++i)
    if (targets_[i].browse == browse) current_ = static_cast<int>(i);
}

const ToolbarTarget* ToolbarDispatcher::current() const {
  return current_ < 0 ? nullptr : &targets_[static_cast<std::size_t>(current_)];
}

ToolbarState ToolbarDispatcher::state() const {
  ToolbarState s = frameToolbarState();
  const ToolbarTarget* t = current();
  if (!t) return s;
  auto enabledButton = [&](int control) { return control && window_.controlEnabled(control); };
  if (t->browse) {
    s.enable(toolbar::kHistory, false);
    s.enableRange(toolbar::kBottom, toolbar::kLocate, true);
    s.enable(toolbar::kSelect, enabledButton(t->selectButton));
    s.enable(toolbar::kDelete, enabledButton(t->deleteButton));
    s.enable(toolbar::kChange, enabledButton(t->changeButton));
    s.enable(toolbar::kInsert, enabledButton(t->insertButton));
    s.enable(toolbar::kHelp, enabledButton(t->helpButton));
    s.setTip(toolbar::kDown, "Go to the Next Record");
    s.setTip(toolbar::kBottom, "Go to the Last Page");
    s.setTip(toolbar::kTop, "Go to the First Page");
    s.setTip(toolbar::kPageDown, "Go to the Next Page");
    s.setTip(toolbar::kPageUp, "Go to the Prior Page");
    s.setTip(toolbar::kUp, "Go to the Prior Record");
    s.setTip(toolbar::kInsert, "Insert a new Record");
    return s;
  }
  switch (window_.request()) {
    case request::kInsert:
      s.enable(toolbar::kDown);
      s.enable(toolbar::kInsert);
      s.setTip(toolbar::kInsert, "Save record and add another");
      s.setTip(toolbar::kDown, "Save record and add another");
      break;
    case request::kChange:
      s.enableRange(toolbar::kBottom, toolbar::kUp, true);
      s.enable(toolbar::kInsert);
      s.setTip(toolbar::kBottom, "Save changes and go to last record");
      s.setTip(toolbar::kTop, "Save changes and go to first record");
      s.setTip(toolbar::kPageDown, "Save changes and page down to record");
      s.setTip(toolbar::kPageUp, "Save changes and page up to record");
      s.setTip(toolbar::kDown, "Save changes and go to next record");
      s.setTip(toolbar::kUp, "Save changes and go to previous record");
      s.setTip(toolbar::kInsert, "Save this record and add a new one");
      break;
    default:
      return s;  // everything stays disabled
  }
  s.enable(toolbar::kHelp, enabledButton(t->helpButton));
  s.enable(toolbar::kHistory, t->history);
  return s;
}

void ToolbarDispatcher::takeEvent(int code) {
  const ToolbarTarget* t = current();
  if (!t || code < toolbar::kFirst || code > toolbar::kLast || !state().isEnabled(code)) return;
  if (t->browse) {
    BrowseList& list = *t->browse;
    switch (code) {
      case toolbar::kInsert:
        window_.takeEvent({EventKind::Accepted, t->insertButton});
        break;
      case toolbar::kChange:
        window_.takeEvent({EventKind::Accepted, t->changeButton});
        break;
      case toolbar::kDelete:
        window_.takeEvent({EventKind::Accepted, t->deleteButton});
        break;
      case toolbar::kSelect:
        window_.setResponse(response::kCompleted);
        break;
      case toolbar::kHelp:
        window_.showHelp();
        break;
      case toolbar::kLocate:  // no list of the program has a query window
        break;
      default:
        list.move(code);
        break;
    }
    return;
  }
  switch (code) {
    case toolbar::kInsert:
    case toolbar::kBottom:
    case toolbar::kTop:
    case toolbar::kPageDown:
    case toolbar::kPageUp:
    case toolbar::kDown:
    case toolbar::kUp:
      window_.thread().navigation = code;
      window_.takeEvent({EventKind::Accepted, window_.okControl()});
      break;
    case toolbar::kHelp:
      window_.showHelp();
      break;
    default:
      break;
  }
}

}  // namespace obrazac::ui

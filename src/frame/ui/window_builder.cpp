#include "frame/ui/window_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "frame/ui/dialog_units.h"
#include "frame/ui/entry_picture.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {
namespace {

QString utf8(const char* text) {
  return text ? QString::fromUtf8(text) : QString();
}

// Entries up to this many characters keep their width; longer ones grow with the window.
constexpr int kFixedChars = 40;

// The window's controls above its button row: as large as they ask to be when there is room,
// and scrolled, never squeezed, in a window smaller than they are (a small frame, a large
// scale, tiled windows), so the button row below stays in view.
class ContentScroll final : public QScrollArea {
 public:
  explicit ContentScroll(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // no stop of Tab's: the controls inside are
    setWidgetResizable(true);
    auto* body = new QWidget(this);
    // Its size hint is its least size: the scroll bars come before the controls shrink.
    body->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    setWidget(body);
  }

  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }
};

class Builder {
 public:
  Builder(ProcedureWindow& window, const MadeControls& made) : window_(window), made_(made) {}

  void add(const ControlDescription& d) {
    if (d.x >= 0) return addPlaced(d);
    if (!top_) makeBody();
    switch (d.kind) {
      case ControlKind::Group:
        return addGroup(d);
      case ControlKind::Tab:
        return addTab(d);
      case ControlKind::List:
        return addList(d);
      case ControlKind::Button:
        return addButton(d);
      default:
        return addField(d);
    }
  }

  void finish() {
    endRow();
    if (buttons_) {
      if (!outer_) outer_ = new QVBoxLayout(&window_);
      outer_->addLayout(buttons_);
    }
    chainTabOrder();
  }

 private:
  void makeBody() {
    outer_ = new QVBoxLayout(&window_);
    auto* scroll = new ContentScroll(&window_);
    outer_->addWidget(scroll, 1);
    column_ = top_ = new QVBoxLayout(scroll->widget());
    top_->setContentsMargins(0, 0, 0, 0);
  }

  // Tab goes through the controls as the description lists them: a control that takes no focus
  // itself (a display, an option group's frame, a list's box) passes it to those inside it.
  void chainTabOrder() {
    std::vector<QWidget*> chain;
    for (QWidget* w : order_) {
      if (w->focusPolicy() & Qt::TabFocus) {
        chain.push_back(w);
        continue;
      }
      for (QWidget* inner : w->findChildren<QWidget*>())
        if ((inner->focusPolicy() & Qt::TabFocus) && !inner->focusProxy()) chain.push_back(inner);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  }

  QWidget* made(int id) const {
    for (const auto& [control, widget] : made_)
      if (control == id) return widget;
    return nullptr;
  }

  void addPlaced(const ControlDescription& d) {
    QWidget* w = made(d.id);
    if (!w && d.kind == ControlKind::Button) w = new QPushButton(utf8(d.prompt), &window_);
    if (!w) w = make(d, &window_);
    if (auto* label = qobject_cast<QLabel*>(w); label && !d.field) {
      label->setText(utf8(d.prompt));
      label->setFrameShape(QFrame::NoFrame);  // a caption, not a value
    }
    const DialogUnits du(window_.font());
    w->move(du.point(d.x, d.y));
    if (d.width > 0)
      w->resize(du.size(d.width, d.height));
    else
      w->adjustSize();
    w->setAccessibleName(utf8(d.prompt ? d.prompt : d.tip).remove('&'));
    if (d.tip) w->setToolTip(utf8(d.tip));
    order_.push_back(w);
    window_.adopt(d, w);
  }

  void addGroup(const ControlDescription& d) {
    endRow();
    auto* box = new QGroupBox(utf8(d.prompt), owner_ ? owner_ : &window_);
    column_->addWidget(box);
    grid_ = new QGridLayout(box);
    gridOwner_ = box;
    row_ = 0;
  }

  void addTab(const ControlDescription& d) {
    endRow();
    if (!tabs_) {
      tabs_ = new QTabWidget(&window_);
      top_->addWidget(tabs_, 1);
    }
    owner_ = new QWidget(tabs_);
    tabs_->addTab(owner_, utf8(d.prompt));
    column_ = new QVBoxLayout(owner_);
    grid_ = nullptr;
  }

  // A list after a tab fills the rest of that tab's page; otherwise it stands in the middle of
  // the window, and what follows it does too.
  void addList(const ControlDescription& d) {
    endRow();
    QWidget* list = made(d.id);
    if (list) (owner_ ? column_ : top_)->addWidget(list, 1);
    if (!owner_) column_ = top_;
    grid_ = nullptr;
    if (list) order_.push_back(list);
  }

  void addButton(const ControlDescription& d) {
    if (!buttons_) buttons_ = new QHBoxLayout;
    if (d.pushRight) buttons_->addStretch(1);
    auto* button = new QPushButton(utf8(d.prompt), &window_);
    if (d.tip) button->setToolTip(utf8(d.tip));
    buttons_->addWidget(button);
    order_.push_back(button);
    window_.adopt(d, button);
  }

  void addField(const ControlDescription& d) {
    if (!grid_) {
      grid_ = new QGridLayout;
      column_->addLayout(grid_);
      gridOwner_ = owner_ ? owner_ : &window_;
      row_ = 0;
    }
    QWidget* w = made(d.id);
    if (!w) w = make(d, gridOwner_);
    const QString prompt = utf8(d.prompt);
    if (!d.beside || !line_) {
      endRow();
      line_ = new QHBoxLayout;
      const bool ownCaption = d.kind == ControlKind::CheckBox || d.kind == ControlKind::OptionGroup;
      if (!prompt.isEmpty() && !ownCaption) {
        auto* label = new QLabel(prompt, gridOwner_);
        label->setBuddy(w);
        grid_->addWidget(label, row_, 0);
      }
      grid_->addLayout(line_, row_++, 1);
    }
    line_->addWidget(w);
    w->setAccessibleName(QString(prompt.isEmpty() ? utf8(d.tip) : prompt).remove('&'));
    if (d.tip) w->setToolTip(utf8(d.tip));
    size(d, w);
    order_.push_back(w);
    window_.adopt(d, w);
  }

  QWidget* make(const ControlDescription& d, QWidget* parent) {
    const QStringList choices = utf8(d.choices).split('|', Qt::SkipEmptyParts);
    switch (d.kind) {
      case ControlKind::DropList: {
        auto* combo = new QComboBox(parent);
        combo->addItems(choices);
        return combo;
      }
      case ControlKind::OptionGroup: {
        auto* box = new QGroupBox(utf8(d.prompt), parent);
        auto* row = new QHBoxLayout(box);
        for (const QString& c : choices) row->addWidget(new QRadioButton(c, box));
        return box;
      }
      case ControlKind::CheckBox:
        return new QCheckBox(utf8(d.prompt), parent);
      case ControlKind::SpinBox: {
        auto* spin = new QSpinBox(parent);
        int top = 1;
        for (int i = 0; i < std::clamp(d.chars, 1, 9); ++i) top *= 10;
        spin->setRange(0, top - 1);
        return spin;
      }
      case ControlKind::Display: {
        auto* label = new QLabel(parent);
        label->setFrameShape(QFrame::StyledPanel);
        return label;
      }
      default:
        return new QLineEdit(parent);
    }
  }

  // The width of so many characters of the window font, with room for the control's frame.
  void size(const ControlDescription& d, QWidget* w) {
    const int chars = d.chars ? d.chars : EntryPicture(d.picture ? d.picture : "").width();
    if (chars <= 0) return;
    const int avg = w->fontMetrics().averageCharWidth();
    const int extra = qobject_cast<QComboBox*>(w) || qobject_cast<QSpinBox*>(w) ? 4 : 2;
    const int width = avg * (chars + extra) + 8;
    if (chars <= kFixedChars) {
      w->setFixedWidth(width);
    } else {
      w->setMinimumWidth(std::min(width, avg * (kFixedChars + 4)));
      wideRow_ = true;
    }
  }

  void endRow() {
    if (line_ && !wideRow_) line_->addStretch(1);
    line_ = nullptr;
    wideRow_ = false;
  }

  ProcedureWindow& window_;
  const MadeControls& made_;
  QVBoxLayout* outer_ = nullptr;   // the scrolled controls above the button row
  QVBoxLayout* top_ = nullptr;     // made with the first control in a row
  QVBoxLayout* column_ = nullptr;  // where groups and rows go: the window or the current tab page
  QWidget* owner_ = nullptr;       // the current tab page, or none
  QTabWidget* tabs_ = nullptr;
  QGridLayout* grid_ = nullptr;
  QWidget* gridOwner_ = nullptr;
  int row_ = 0;
  QHBoxLayout* line_ = nullptr;
  bool wideRow_ = false;
  QHBoxLayout* buttons_ = nullptr;
  std::vector<QWidget*> order_;
};

}  // namespace

void buildWindow(ProcedureWindow& window, std::span<const ControlDescription> controls,
                 const MadeControls& made) {
  Builder builder(window, made);
  for (const ControlDescription& d : controls) builder.add(d);
  builder.finish();
}

}  // namespace obrazac::ui

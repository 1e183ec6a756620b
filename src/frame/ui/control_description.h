// The description of a window's controls, in tab order, from which the frame builds the window:
// each control's kind, number, prompt, bound field, picture, tip and width. A window then holds
// only its description and its own rules; the frame lays the controls out, ties them to their
// fields and gives them the keyboard.
#pragma once

namespace obrazac::ui {

enum class ControlKind {
  Entry,        // a line the user types into
  DropList,     // a list of choices that drops down
  OptionGroup,  // one choice of several, shown as option buttons in a frame
  CheckBox,     // two choices: checked and not
  SpinBox,      // a whole number with up and down arrows
  Display,      // a value shown and not edited
  Group,        // a framed group holding the controls after it, up to the next group or tab
  Button,
  List,  // a place for the window's browse list, which builds its own control
  Tab,   // a page of a tab control holding the controls after it, up to the next tab
};

// What a button does for the frame: a plain button sends its accepted event, the form's save
// button completes the form, a cancel button closes the window with response cancelled (also on
// Escape) and a help button shows the help.
enum class ButtonRole { Plain, Ok, Cancel, Help };

struct ControlDescription {
  ControlKind kind = ControlKind::Entry;
  int id = 0;  // the control number; 0 for groups and tabs
  const char* prompt =
      nullptr;                  // UTF-8; a group's or tab's caption, a button's or check box's text
  const char* field = nullptr;  // "APL:MB01": a record field; a plain name: a field of window state
  const char* picture = nullptr;  // "s50", "N04", "N-_15`2"; none: the field's own width and form
  const char* tip = nullptr;      // the tooltip
  int chars = 0;                  // width in characters; 0: the picture's
  bool beside = false;  // on the row of the control before it, without a prompt of its own
  ButtonRole role = ButtonRole::Plain;
  bool pushRight = false;         // a button that starts the right-hand end of the button row
  const char* choices = nullptr;  // "DA|NE": a drop list's or option group's choices; a check
                                  // box's value when checked and when not (default "1|0")
  // Where the window fixes the control: its place and size in dialog units of the window font.
  // A placed control stays out of the rows; a display field without a field shows its prompt as a
  // caption.
  int x = -1, y = -1;
  int width = 0, height = 0;  // 0: the control's own size
};

}  // namespace obrazac::ui

#pragma once

#include <string_view>

#include "win32/Twips.h"

namespace fw::win32 {

enum class ControlKind {
  Button,         // push button
  Label,          // static text, no focus
  Edit,           // single-line text box
  MultiLineEdit,  // text box of several lines with both scroll bars; Enter starts a new line
  CheckBox,       // check box that ticks itself when clicked
  GroupBox,       // captioned frame; controls naming it as Container lie inside it
  Panel,          // borderless frame in the window's colour; covers what lies beneath it
};

enum class TextAlign { Left, Center };

// A font derived from the system's message font; all zero keeps that font as it is.
struct FontStyle {
  int HeightTwips = 0;  // character height; 0 keeps the message font's (9.75 pt is 195)
  bool Bold = false;
  bool Italic = false;

  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// One control of a window, as its design gives it. Ids 1 and 2 are taken: the keyboard's Enter
// and Escape send them to the window.
struct ControlSpec {
  int Id = 0;
  ControlKind Kind = ControlKind::Label;
  TwipsRect Place{};            // from the top-left corner of the container's client area
  std::wstring_view Caption{};  // a label's, button's or frame's caption; a text box's text
  std::wstring_view Tooltip{};  // empty: none
  int Tab = 0;                  // keyboard focus order among the container's controls, lowest first
  int Container = 0;            // Id of the GroupBox or Panel holding the control, 0: the window
  bool Visible = true;
  bool Checked = false;  // check boxes
  TextAlign Align = TextAlign::Left;
  FontStyle Font{};
};

}  // namespace fw::win32

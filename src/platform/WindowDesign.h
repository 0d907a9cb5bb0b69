#pragma once

// A window's controls as designed, in twips (1/1440 inch, 15 to a pixel at 96 dots per inch):
// each toolkit's view builds its controls from such a table, so both window programs show the
// same windows.

#include <string_view>

namespace fw {

// A place in twips, from the top-left corner of the client area or of the enclosing frame.
struct TwipsRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

enum class ControlKind {
  Label,
  Button,
  CheckBox,
  TextBox,       // one line
  TextList,      // several lines, with scroll bars: one file name a line
  Frame,         // a captioned frame around buttons
  Cover,         // a borderless frame that hides the controls under it when shown
  Announcement,  // a centred label in bold italic 9.75-point type
};

struct ControlDesign {
  std::string_view Name;  // also the control's object name, by which tests find it
  ControlKind Kind;
  std::string_view Caption;
  std::string_view Tooltip;
  TwipsRect Place;
  int Tab;              // keyboard focus order; -1 for controls that take no focus
  int Parent;           // the index of the enclosing control; -1 for the window itself
  bool Hidden = false;  // hidden from the start
  bool Ticked = false;  // a check box ticked from the start
};

// Whole pixels for twips at a number of dots per inch (96 gives 15 twips a pixel).
constexpr int TwipsToPixels(int twips, int dotsPerInch = 96) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  return static_cast<int>((scaled + 720) / 1440);
}

}  // namespace fw

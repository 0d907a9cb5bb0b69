#pragma once

#include <array>
#include <cstddef>

#include "platform/WindowDesign.h"

namespace fw {

// The operation dialog's controls, in the order of the design table.
enum class DialogControl {
  lblInputFiles,
  txtInputFiles,
  cmdBrowseInput,
  lblFrom,
  txtFrom,
  lblTo,
  txtTo,
  chkBackup,
  lblOutputFiles,
  txtOutputFile,
  cmdBrowseOutput,
  cmdExecute,
  cmdCancel,
  fraWait,
  lblWait,
};

// The dialog's client area as designed, in twips.
inline constexpr int kDialogWidthTwips = 6615;
inline constexpr int kDialogHeightTwips = 3300;

// The dialog as designed; every use of the dialog starts from this.
inline constexpr std::array<ControlDesign, 15> kDialogDesign{{
    {"lblInputFiles", ControlKind::Label, "Input File(s)", {}, {135, 90, 5820, 195}, -1, -1},
    {"txtInputFiles",
     ControlKind::TextList,
     {},
     "Shows the input file(s)",
     {135, 360, 5865, 1320},
     0,
     -1},
    {"cmdBrowseInput",
     ControlKind::Button,
     "...",
     "Browse for input file(s)",
     {6075, 360, 420, 285},
     1,
     -1},
    {"lblFrom", ControlKind::Label, "Change AC#: ", {}, {135, 1845, 1050, 195}, -1, -1},
    {"txtFrom",
     ControlKind::TextBox,
     {},
     "Enter the aircraft number that should be changed",
     {1215, 1800, 600, 285},
     2,
     -1},
    {"lblTo", ControlKind::Label, "To AC#: ", {}, {1980, 1845, 690, 195}, -1, -1},
    {"txtTo",
     ControlKind::TextBox,
     {},
     "Enter the new aircraft number",
     {2655, 1800, 600, 285},
     3,
     -1},
    {"chkBackup",
     ControlKind::CheckBox,
     "Backup Input Files",
     "Check to make backup copies of the input file(s)",
     {3690, 1830, 2310, 240},
     12,
     -1,
     false,
     true},
    {"lblOutputFiles", ControlKind::Label, "Output File", {}, {135, 2205, 5865, 195}, -1, -1},
    {"txtOutputFile",
     ControlKind::TextBox,
     {},
     "Shows the output file",
     {90, 2430, 5865, 285},
     4,
     -1},
    {"cmdBrowseOutput",
     ControlKind::Button,
     "...",
     "Browse for output file",
     {6030, 2430, 420, 285},
     5,
     -1},
    {"cmdExecute",
     ControlKind::Button,
     "Execute",
     "Perform the requested operation",
     {90, 2835, 4650, 330},
     6,
     -1},
    {"cmdCancel",
     ControlKind::Button,
     "Cancel",
     "Cancel without making any changes",
     {4905, 2835, 1545, 330},
     7,
     -1},
    {"fraWait", ControlKind::Cover, {}, {}, {45, 45, 6495, 3210}, -1, -1, true},
    {"lblWait",
     ControlKind::Announcement,
     "Please Wait...",
     {},
     {180, 945, 6135, 330},
     -1,
     static_cast<int>(DialogControl::fraWait)},
}};

constexpr const ControlDesign& DesignOf(DialogControl control) {
  return kDialogDesign[static_cast<std::size_t>(control)];
}

}  // namespace fw

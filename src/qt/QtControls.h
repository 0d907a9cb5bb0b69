#pragma once

#include <QWidget>
#include <span>
#include <vector>

#include "platform/WindowDesign.h"

namespace fw {

// Layouts are kept in twips, 15 to a logical pixel; Qt scales logical pixels on dense screens.
QRect ToPixels(const TwipsRect& place);

// Makes the controls of a design table on window, in the table's order: places, captions,
// tooltips, visibility, fonts and focus order. Text lists and one-line text boxes are made as
// FileDropBox widgets (see FileDropBoxes.h), which take dropped files once given a handler.
std::vector<QWidget*> MakeControls(QWidget* window, std::span<const ControlDesign> design);

// Gives window the fixed client size of its design, and the design's 8-point text.
void SetDesignSize(QWidget* window, int widthTwips, int heightTwips);

}  // namespace fw

#include "qt/QtControls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "qt/FileDropBoxes.h"
#include "qt/QtText.h"

namespace fw {
namespace {

QWidget* MakeControl(QWidget* parent, const ControlDesign& design) {
  const QString caption = ToQString(design.Caption);
  switch (design.Kind) {
    case ControlKind::Label:
      return new QLabel(caption, parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, parent);
      // No button is bound to Enter: a dialog's buttons would otherwise become auto-default.
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setChecked(design.Ticked);
      return box;
    }
    case ControlKind::TextBox:
      return new FileDropBox<QLineEdit>(parent);
    case ControlKind::TextList: {
      auto* list = new FileDropBox<QPlainTextEdit>(parent);
      list->setLineWrapMode(QPlainTextEdit::NoWrap);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      list->setTabChangesFocus(true);
      // A one-line list is only 19 pixels high.
      list->document()->setDocumentMargin(1);
      return list;
    }
    case ControlKind::Frame:
      return new QGroupBox(caption, parent);
    case ControlKind::Cover: {
      auto* cover = new QFrame(parent);
      cover->setFrameShape(QFrame::NoFrame);
      cover->setAutoFillBackground(true);
      return cover;
    }
    case ControlKind::Announcement: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(Qt::AlignCenter);
      QFont font(QStringLiteral("MS Sans Serif"));
      font.setPointSizeF(9.75);
      font.setBold(true);
      font.setItalic(true);
      label->setFont(font);
      return label;
    }
  }
  return new QWidget(parent);
}

}  // namespace

QRect ToPixels(const TwipsRect& place) {
  return QRect(TwipsToPixels(place.Left), TwipsToPixels(place.Top), TwipsToPixels(place.Width),
               TwipsToPixels(place.Height));
}

std::vector<QWidget*> MakeControls(QWidget* window, std::span<const ControlDesign> design) {
  std::vector<QWidget*> controls;
  controls.reserve(design.size());
  for (const ControlDesign& control : design) {
    QWidget* parent =
        control.Parent < 0 ? window : controls[static_cast<std::size_t>(control.Parent)];
    QWidget* widget = MakeControl(parent, control);
    widget->setObjectName(ToQString(control.Name));
    widget->setGeometry(ToPixels(control.Place));
    if (!control.Tooltip.empty())
      widget->setToolTip(ToQString(control.Tooltip));
    widget->setVisible(!control.Hidden);
    widget->setFocusPolicy(control.Tab < 0 ? Qt::NoFocus : widget->focusPolicy());
    controls.push_back(widget);
  }
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& control : design) {
    if (control.Tab >= 0)
      order.push_back(&control);
  }
  std::sort(order.begin(), order.end(),
            [](const ControlDesign* a, const ControlDesign* b) { return a->Tab < b->Tab; });
  const auto widgetOf = [&](const ControlDesign* control) {
    return controls[static_cast<std::size_t>(control - design.data())];
  };
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(widgetOf(order[i - 1]), widgetOf(order[i]));
  if (!order.empty())
    widgetOf(order.front())->setFocus();
  return controls;
}

void SetDesignSize(QWidget* window, int widthTwips, int heightTwips) {
  // The twip layout was drawn for 8-point text; larger text would not fit its buttons.
  QFont text = window->font();
  text.setPointSize(8);
  window->setFont(text);
  window->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

}  // namespace fw

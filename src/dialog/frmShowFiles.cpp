#include "dialog/frmShowFiles.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <exception>

#include "dialog/FileDropBoxes.h"
#include "dialog/OperationTables.h"
#include "dialog/Twips.h"
#include "platform/qt/QtText.h"
#include "records/OperationTable.h"

namespace fw {
namespace {

constexpr int kDesignWidthTwips = 6615;
constexpr int kDesignHeightTwips = 3300;

template <typename Control>
Control* Place(Control* control, const char* name, QRect rect) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(rect);
  return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect rect) {
  return Place(new QLabel(QString::fromLatin1(caption), parent), name, rect);
}

// No button is bound to Enter: a dialog's buttons would otherwise become auto-default.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip,
                        QRect rect) {
  auto* button = Place(new QPushButton(QString::fromLatin1(caption), parent), name, rect);
  button->setToolTip(QString::fromLatin1(tooltip));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QLineEdit* MakeLineEdit(QLineEdit* edit, const char* name, const char* tooltip, QRect rect) {
  Place(edit, name, rect);
  edit->setToolTip(QString::fromLatin1(tooltip));
  return edit;
}

}  // namespace

frmShowFiles::frmShowFiles(const UiServices& services, QWidget* owner,
                           std::function<void()> showMainWindow)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services),
      m_showMainWindow(std::move(showMainWindow)) {
  setObjectName(QStringLiteral("frmShowFiles"));
  // The twip layout was drawn for 8-point text; larger text would not fit its buttons.
  QFont text = font();
  text.setPointSize(8);
  setFont(text);
  setFixedSize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
  CreateControls();
  CreateWaitFrame();
  SetTabOrder();
  Form_Load();
}

void frmShowFiles::CreateControls() {
  lblInputFiles = MakeLabel(this, "lblInputFiles", "Input File(s)", TwipsRect(135, 90, 5820, 195));

  txtInputFiles = Place(new InputFilesBox(this), "txtInputFiles", TwipsRect(135, 360, 5865, 1320));
  txtInputFiles->setToolTip(QStringLiteral("Shows the input file(s)"));
  txtInputFiles->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtInputFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  txtInputFiles->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  txtInputFiles->setTabChangesFocus(true);
  // A one-line box in the single-file layout is only 19 pixels high.
  txtInputFiles->document()->setDocumentMargin(1);
  txtInputFiles->SetFilesDropped([this](const QStringList& names) { InputFilesDropped(names); });

  cmdBrowseInput = MakeButton(this, "cmdBrowseInput", "...", "Browse for input file(s)",
                              TwipsRect(6075, 360, 420, 285));
  lblFrom = MakeLabel(this, "lblFrom", "Change AC#: ", TwipsRect(135, 1845, 1050, 195));
  txtFrom = MakeLineEdit(new QLineEdit(this), "txtFrom",
                         "Enter the aircraft number that should be changed",
                         TwipsRect(1215, 1800, 600, 285));
  lblTo = MakeLabel(this, "lblTo", "To AC#: ", TwipsRect(1980, 1845, 690, 195));
  txtTo = MakeLineEdit(new QLineEdit(this), "txtTo", "Enter the new aircraft number",
                       TwipsRect(2655, 1800, 600, 285));

  chkBackup = Place(new QCheckBox(QStringLiteral("Backup Input Files"), this), "chkBackup",
                    TwipsRect(3690, 1830, 2310, 240));
  chkBackup->setToolTip(QStringLiteral("Check to make backup copies of the input file(s)"));
  chkBackup->setChecked(true);

  lblOutputFiles =
      MakeLabel(this, "lblOutputFiles", "Output File", TwipsRect(135, 2205, 5865, 195));
  txtOutputFile = Place(new OutputFileBox(this), "txtOutputFile", TwipsRect(90, 2430, 5865, 285));
  txtOutputFile->setToolTip(QStringLiteral("Shows the output file"));
  txtOutputFile->SetFilesDropped([this](const QStringList& names) { OutputFileDropped(names); });
  cmdBrowseOutput = MakeButton(this, "cmdBrowseOutput", "...", "Browse for output file",
                               TwipsRect(6030, 2430, 420, 285));

  cmdExecute = MakeButton(this, "cmdExecute", "Execute", "Perform the requested operation",
                          TwipsRect(90, 2835, 4650, 330));
  cmdCancel = MakeButton(this, "cmdCancel", "Cancel", "Cancel without making any changes",
                         TwipsRect(4905, 2835, 1545, 330));

  connect(cmdBrowseInput, &QPushButton::clicked, this, [this] { cmdBrowseInput_Click(); });
  connect(cmdBrowseOutput, &QPushButton::clicked, this, [this] { cmdBrowseOutput_Click(); });
  connect(cmdExecute, &QPushButton::clicked, this, [this] { cmdExecute_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmShowFiles::CreateWaitFrame() {
  fraWait = Place(new QFrame(this), "fraWait", TwipsRect(45, 45, 6495, 3210));
  fraWait->setFrameShape(QFrame::NoFrame);
  fraWait->setAutoFillBackground(true);
  fraWait->hide();

  lblWait = MakeLabel(fraWait, "lblWait", "Please Wait...", TwipsRect(180, 945, 6135, 330));
  lblWait->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(9.75);
  font.setBold(true);
  font.setItalic(true);
  lblWait->setFont(font);
}

void frmShowFiles::SetTabOrder() {
  QWidget* const order[] = {txtInputFiles,   cmdBrowseInput, txtFrom,   txtTo,    txtOutputFile,
                            cmdBrowseOutput, cmdExecute,     cmdCancel, chkBackup};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
}

void frmShowFiles::Form_Load() {
  // Whenever the wait frame is shown it must cover every other control.
  fraWait->raise();
}

void frmShowFiles::SelectOperation(Operation typeOfOperation) {
  try {
    m_typeOfOperation = typeOfOperation;
    SetOperationCaptions();
    ArrangeControls();
    LoadInputFiles();
    LoadOutputFile();
  } catch (const std::exception& failure) {
    ShowFailure("SelectOperation", failure.what());
  }
}

void frmShowFiles::SetOperationCaptions() {
  m_commonDialog1.DefaultExtension = ".txt";
  m_commonDialog1.Filters = {{"Text (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
  m_commonDialog1.FilterIndex = 1;

  const bool changesNumbers = m_typeOfOperation == Operation::ChangeACNumbers;
  for (QWidget* output :
       {static_cast<QWidget*>(cmdBrowseOutput), static_cast<QWidget*>(txtOutputFile),
        static_cast<QWidget*>(lblOutputFiles)})
    output->setVisible(!changesNumbers);
  for (QWidget* number : {static_cast<QWidget*>(lblFrom), static_cast<QWidget*>(lblTo),
                          static_cast<QWidget*>(txtFrom), static_cast<QWidget*>(txtTo),
                          static_cast<QWidget*>(chkBackup)})
    number->setVisible(changesNumbers);

  const OperationInfo& captions = InfoOf(m_typeOfOperation);
  if (captions.WindowTitle.empty())
    return;
  setWindowTitle(ToQString(captions.WindowTitle));
  lblInputFiles->setText(ToQString(captions.InputLabel));
  if (!captions.OutputLabel.empty())
    lblOutputFiles->setText(ToQString(captions.OutputLabel));
  cmdExecute->setText(ToQString(captions.ExecuteCaption));
}

void frmShowFiles::ArrangeControls() {
  const std::optional<OperationLayout> layout = LayoutFor(m_typeOfOperation);
  if (!layout)
    return;
  const auto moveTo = [](QWidget* control, int topTwips) {
    control->move(control->x(), TwipsToPixels(topTwips));
  };
  txtInputFiles->resize(txtInputFiles->width(), TwipsToPixels(layout->InputHeight));
  if (layout->OutputLabelTop)
    moveTo(lblOutputFiles, *layout->OutputLabelTop);
  if (layout->OutputBoxTop) {
    moveTo(txtOutputFile, *layout->OutputBoxTop);
    moveTo(cmdBrowseOutput, *layout->OutputBoxTop);
  }
  moveTo(cmdExecute, layout->ButtonsTop);
  moveTo(cmdCancel, layout->ButtonsTop);
  setFixedSize(width(), TwipsToPixels(layout->WindowHeight - kWindowFrameTwips));
}

void frmShowFiles::SetWaitMessage(std::string_view text) {
  lblWait->setText(ToQString(text));
  // No events are processed while an operation runs, so the label paints itself now.
  lblWait->repaint();
}

void frmShowFiles::SetDialogTitle(std::int32_t outputFlag) {
  const OperationInfo& info = InfoOf(m_typeOfOperation);
  const std::string_view title = outputFlag != 0 ? info.OutputDialogTitle : info.InputDialogTitle;
  if (!title.empty())
    m_commonDialog1.Title = std::string(title);
}

void frmShowFiles::closeEvent(QCloseEvent* event) {
  if (!m_closed)
    cmdCancel_Click();
  event->accept();
}

}  // namespace fw

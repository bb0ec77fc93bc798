#include "ui/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>
#include <exception>

#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"
#include "platform/Failure.h"
#include "platform/ProgramFolder.h"
#include "ui/Icons.h"
#include "ui/QtText.h"
#include "ui/WindowFont.h"

namespace vorlent {

namespace {

constexpr std::array<int, 3> kStatusPanelWidths = {150, 360, 50};

QToolButton* bandButton(QToolBar* bar, const QString& objectName, const QString& caption,
                        const QIcon& icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(objectName);
  button->setText(caption);
  button->setIcon(icon);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setFixedSize(41, 35);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  button->setProperty("bandAction", QVariant::fromValue(bar->addWidget(button)));
  return button;
}

// The toolbar action that shows or hides a button added to a band.
QAction* bandAction(QToolButton* button) {
  return button->property("bandAction").value<QAction*>();
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      currentFolder_(makeCurrentFolder()),
      shortPaths_(makeShortPaths()),
      files_(makeFileSystem()),
      pathStyle_(nativePathStyle()),
      sounds_(toQt(programFolder())) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("MSX Vorlent! for brMSX2.6 & fMSX MS-DOS1.6b2a"));
  setWindowIcon(programIcon());
  setFont(windowFont());
  resize(725, 413);
  setCentralWidget(new QWidget(this));
  menu_ = buildMainMenu(*menuBar());
  buildDriveBand();
  buildTabsBand();
  buildMediaBand();
  buildStatusLine();
  buildStatusBar();
  feedback_ = std::make_unique<QtFeedback>(this, statusLine_, statusPanels_, sounds_);
  mediaPanel_ = std::make_unique<MediaPanel>(state_, panel_, *feedback_, *shortPaths_, pathStyle_);
  connectCommands();
  connectMediaCommands();
  PageControl1Change();
}

TForm1::~TForm1() = default;

void TForm1::addBand(QToolBar* band) {
  band->setMovable(true);
  addToolBar(Qt::TopToolBarArea, band);
  addToolBarBreak(Qt::TopToolBarArea);
}

void TForm1::buildDriveBand() {
  driveBar_ = new QToolBar(QStringLiteral("ドライブ＆表示"), this);
  driveBar_->setObjectName(QStringLiteral("ToolBar2"));
  for (std::size_t i = 0; i < driveButtons_.size(); ++i) {
    const QChar letter(static_cast<char16_t>(u'a' + i));
    driveButtons_[i] = bandButton(driveBar_, QString(letter),
                                  QString(letter.toUpper()) + QLatin1Char(':'), driveIcon("HDD"));
    bandAction(driveButtons_[i])->setVisible(false);
  }
  driveBar_->addSeparator();
  chooseFolderButton_ = bandButton(driveBar_, QStringLiteral("ToolButton32"), QStringLiteral("Dir"),
                                   toolIcon(ToolIcon::Folder));
  driveBar_->addSeparator();
  viewButtons_[0] = bandButton(driveBar_, QStringLiteral("BigIcon"), QStringLiteral("Big"),
                               toolIcon(ToolIcon::BigIcons));
  viewButtons_[1] = bandButton(driveBar_, QStringLiteral("SmallIcon"), QStringLiteral("Small"),
                               toolIcon(ToolIcon::SmallIcons));
  viewButtons_[2] = bandButton(driveBar_, QStringLiteral("ListStyle"), QStringLiteral("List"),
                               toolIcon(ToolIcon::List));
  viewButtons_[3] = bandButton(driveBar_, QStringLiteral("ReportStyle"), QStringLiteral("Report"),
                               toolIcon(ToolIcon::Report));
  addBand(driveBar_);
}

void TForm1::buildTabsBand() {
  auto* band = new QToolBar(this);
  band->setObjectName(QStringLiteral("EmulatorBand"));
  tabs_ = buildEmulatorTabs(band);
  band->addWidget(tabs_.pageControl);
  addBand(band);
}

void TForm1::buildMediaBand() {
  media_ = buildMediaToolbar(this);
  addBand(media_.bar);
}

void TForm1::buildStatusLine() {
  auto* band = new QToolBar(QStringLiteral("インフォメーション"), this);
  band->setObjectName(QStringLiteral("InformationBand"));
  statusLine_ = new QLineEdit(QStringLiteral("Wellcome!!"), band);
  statusLine_->setObjectName(QStringLiteral("StatusLine"));
  statusLine_->setReadOnly(true);
  statusLine_->setFrame(false);
  statusLine_->setFont(windowFont(13));
  statusLine_->setFocusPolicy(Qt::NoFocus);
  band->addWidget(statusLine_);
  band->setMovable(true);
  addToolBar(Qt::TopToolBarArea, band);
}

void TForm1::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFixedWidth(kStatusPanelWidths[i]);
    panel->setFrameShape(QFrame::StyledPanel);
    bar->addWidget(panel);
    statusPanels_[i] = panel;
  }
}

void TForm1::connectCommands() {
  connect(menu_.close, &QAction::triggered, this, &TForm1::ClosetClick);
  connect(menu_.switchToBrmsx, &QAction::triggered, this, &TForm1::BRMSX261Click);
  connect(menu_.switchToFmsx, &QAction::triggered, this, &TForm1::fMSXMSDOS1Click);
  connect(tabs_.pageControl, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
  connect(tabs_.brmsxCheck, &QToolButton::clicked, this, &TForm1::ToolButton29Click);
  connect(tabs_.fmsxCheck, &QToolButton::clicked, this, &TForm1::SaveCfgFile1Click);
  connect(menu_.saveCfgFile, &QAction::triggered, this, &TForm1::SaveCfgFile1Click);
}

void TForm1::runCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const Failure& failure) {
    feedback_->reportError(failure.what());
  } catch (const std::exception& unexpected) {
    feedback_->reportError(unexpected.what());
  }
}

void TForm1::ClosetClick() { close(); }

void TForm1::PageControl1Change() {
  const EmulatorKind emulator =
      tabs_.pageControl->currentIndex() == 1 ? EmulatorKind::Fmsx : EmulatorKind::Brmsx;
  mediaCommand([emulator](MediaPanel& media) { media.SelectEmulator(emulator); });
}

void TForm1::BRMSX261Click() { tabs_.pageControl->setCurrentIndex(0); }

void TForm1::fMSXMSDOS1Click() { tabs_.pageControl->setCurrentIndex(1); }

void TForm1::ToolButton29Click() {
  runCommand([this] {
    feedback_->showMessageBox(MessageKind::Plain, brmsxCommandCheckText(state_, pathStyle_));
  });
}

void TForm1::SaveCfgFile1Click() {
  runCommand([this] {
    if (writeResponseFile(state_, *files_, pathStyle_)) {
      feedback_->showMessageBox(MessageKind::Plain, fmsxOptionText(state_.fmsxOptions));
    }
  });
}

void TForm1::closeEvent(QCloseEvent* event) { event->accept(); }

}  // namespace vorlent

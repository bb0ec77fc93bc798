// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/Unit1.h"

#include <QCoreApplication>
#include <cstdio>

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <exception>

#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"
#include "launch/ResponseFileCheck.h"
#include "platform/Failure.h"
#include "ui/dialogs/ManualWindow.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/dialogs/Unitbr.h"
#include "ui/filelist/FileListModel.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/BoxCaptionRoom.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/look/WindowFont.h"
#include "ui/look/X11IconName.h"
#include "ui/mainwindow/BandButton.h"
#include "ui/mainwindow/ShellDrops.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/qt/QtPrompts.h"

namespace vorlent {

namespace {

// The last panel takes the rest of the bar, down to its own width.
constexpr std::array<int, 3> kStatusPanelWidths = {150, 360, 50};
constexpr int kStatusPanelFontPixels = 11;
constexpr std::string_view kHelpFileName = "VORLENT.HLP";

}  // namespace

TForm1::TForm1(QWidget* parent) : TForm1(nativeMainWindowServices(), parent) {}

TForm1::TForm1(MainWindowServices services, QWidget* parent)
    : FileDropWindow(parent),
      services_(std::move(services)),
      softwareDatabase_(services_.softwareDatabases, *services_.files, *services_.xml,
                        *services_.sha1),
      pathStyle_(nativePathStyle()),
      config_(configFileLocation(services_.programFolder, *services_.files,
                                 services_.userSettingsFolder),
              {*services_.files, *services_.currentFolder, *services_.atomicFiles, pathStyle_,
               *services_.systemText},
              services_.userSettingsFolder),
      sounds_(toQt(services_.programFolder), services_.wavePlayer, services_.defaultSound) {
  if (!services_.modals) {
    services_.modals = makeQtModalPresenter();
  }
  if (!services_.prompts) {
    services_.prompts = std::make_unique<QtPrompts>(this, *services_.modals);
  }
  if (!services_.help) {
    services_.help = makeHelpViewer(*services_.files, *services_.opener);
  }
  services_.opener->setOwnerWindow([this] { return static_cast<std::uintptr_t>(winId()); });
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("MSX Vorlent! for brMSX2.6 & fMSX MS-DOS1.6b2a"));
  setWindowIcon(programIcon());
  // The task bar names the program; the caption names the listed folder.
  setWindowIconText(toQt(kApplicationTitle));
  keepX11IconName(*this);
  // The bands can be moved, not hidden: no menu of the bands on a right click.
  setContextMenuPolicy(Qt::NoContextMenu);
  setFont(windowFont());
  resize(725, 413);
  // The restored size sits in the middle of the desktop; the window starts maximised.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  menu_ = buildMainMenu(*menuBar());
  buildDriveBand();
  buildTabsBand();
  buildMediaBand();
  buildStatusLine();
  buildStatusBar();
  feedback_ =
      std::make_unique<QtFeedback>(this, statusLine_, statusPanels_, sounds_, *services_.modals);
  mediaPanel_ =
      std::make_unique<MediaPanel>(state_, panel_, *feedback_, *services_.shortPaths, pathStyle_);
  buildFileList();
  connectCommands();
  connectMediaCommands();
  connectListCommands();
  connectFileOperationCommands();
  runStartUp();
  acceptShellDrops(*this);
}

void TForm1::runStartUp() {
  // Each step reports its own failure and the next one runs, so that a broken configuration
  // file still leaves a listed folder, a caption and a drop target.
  tabs_.pageControl->setCurrentIndex(0);
  GetDrive1Click();
  PageControl1Change();
  LoadConfig1Click();
  GetfMSXDOSexe1Click();
  ListviewMake1Click();
  CountOBJ1Click();
  DriveSize1Click();
  setAcceptDrops(true);
  refreshMedia();
}

// Made after the load at the earliest, so that they show the loaded options.
TForm2& TForm1::fmsxDialog() {
  if (fmsxDialog_ == nullptr) {
    fmsxDialog_ = new TForm2(state_.fmsxOptions, this);
  }
  return *fmsxDialog_;
}

TFormBR& TForm1::brmsxDialog() {
  if (brmsxDialog_ == nullptr) {
    brmsxDialog_ = new TFormBR(state_.brmsxOptions, this);
  }
  return *brmsxDialog_;
}

TAboutBox& TForm1::aboutBox() {
  if (aboutBox_ == nullptr) {
    aboutBox_ =
        new TAboutBox([this](std::string_view link) { services_.opener->openAddress(link); }, this);
  }
  return *aboutBox_;
}

// The list's views and model read the file list, a member, as long as they live; they would
// outlive it as children, and closing the window lays the views out once more.
TForm1::~TForm1() {
  delete listViews_;
  delete listModel_;
}

// A band shows its text, where it has one, at its left edge.
void TForm1::addBand(QToolBar* band) {
  if (!band->windowTitle().isEmpty()) {
    auto* caption = new QLabel(band->windowTitle(), band);
    caption->setObjectName(band->objectName() + QStringLiteral("Caption"));
    caption->setTextFormat(Qt::PlainText);
    caption->setContentsMargins(2, 0, 6, 0);
    band->insertWidget(band->actions().value(0), caption);
  }
  // Bands move within their container above the list, never out of it into a window of their
  // own or to another edge.
  band->setMovable(true);
  band->setFloatable(false);
  band->setAllowedAreas(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, band);
  addToolBarBreak(Qt::TopToolBarArea);
}

void TForm1::buildDriveBand() {
  driveBar_ = new QToolBar(QStringLiteral("ドライブ＆表示"), this);
  driveBar_->setObjectName(QStringLiteral("ToolBar2"));
  // The band hands its icon size and style to every button on it.
  driveBar_->setIconSize(QSize(16, 16));
  driveBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (std::size_t i = 0; i < driveButtons_.size(); ++i) {
    const QChar letter(static_cast<char16_t>(u'a' + i));
    driveButtons_[i] =
        bandButton(driveBar_, QString(letter), QString(letter.toUpper()) + QLatin1Char(':'),
                   driveIcon(DriveType::Fixed));
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
  addBand(band);
}

void TForm1::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  // As in a Windows status bar, the last panel runs to the window's right edge, and the panels
  // stand two pixels apart: the bar's own grip and spacing would take what the mode text needs
  // at the restored width.
  bar->setSizeGripEnabled(false);
  auto* panels = new QWidget(bar);
  auto* row = new QHBoxLayout(panels);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(panels);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setTextFormat(Qt::PlainText);
    // A status bar's face is a size below the window's.
    panel->setFont(windowFont(kStatusPanelFontPixels));
    panel->setFrameShape(QFrame::StyledPanel);
    if (i + 1 < statusPanels_.size()) {
      panel->setFixedWidth(kStatusPanelWidths[i]);
      row->addWidget(panel);
    } else {
      panel->setMinimumWidth(kStatusPanelWidths[i]);
      panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      row->addWidget(panel, 1);
    }
    statusPanels_[i] = panel;
  }
  bar->addWidget(panels, 1);
}

void TForm1::connectCommands() {
  connect(menu_.close, &QAction::triggered, this, &TForm1::ClosetClick);
  connect(menu_.switchToBrmsx, &QAction::triggered, this, &TForm1::BRMSX261Click);
  connect(menu_.switchToFmsx, &QAction::triggered, this, &TForm1::fMSXMSDOS1Click);
  connect(menu_.runCurrent, &QAction::triggered, this, &TForm1::RunB1Click);
  connect(menu_.editBrmsx, &QAction::triggered, this, &TForm1::ToolButton2Click);
  connect(menu_.editFmsx, &QAction::triggered, this, &TForm1::EditfClick);
  connect(menu_.locateBrmsx, &QAction::triggered, this, &TForm1::brmsxexe1Click);
  connect(menu_.locateFmsx, &QAction::triggered, this, &TForm1::fmsxdosexe1Click);
  connect(menu_.about, &QAction::triggered, this, &TForm1::Info1Click);
  connect(menu_.help, &QAction::triggered, this, &TForm1::Help2Click);
  connect(menu_.homePage, &QAction::triggered, this, &TForm1::HomePage1Click);
  connect(menu_.saveConfig, &QAction::triggered, this, &TForm1::SaveConfig1Click);
  connect(menu_.loadConfig, &QAction::triggered, this, &TForm1::LoadConfig1Click);
  connect(menu_.getExeFiles, &QAction::triggered, this, &TForm1::GetfMSXDOSexe1Click);
  connect(menu_.saveCfgFile, &QAction::triggered, this, &TForm1::SaveCfgFile1Click);
  connect(menu_.testRunFmsx, &QAction::triggered, this, &TForm1::runfClick);
  connect(tabs_.pageControl, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
  connect(tabs_.brmsx.executable, &QToolButton::clicked, this, &TForm1::brmsxexe1Click);
  connect(tabs_.brmsx.edit, &QToolButton::clicked, this, &TForm1::ToolButton2Click);
  connect(tabs_.brmsx.check, &QToolButton::clicked, this, &TForm1::ToolButton29Click);
  connect(tabs_.brmsx.run, &QToolButton::clicked, this, &TForm1::ToolButton9Click);
  connect(tabs_.fmsx.executable, &QToolButton::clicked, this, &TForm1::fmsxdosexe1Click);
  connect(tabs_.fmsx.edit, &QToolButton::clicked, this, &TForm1::EditfClick);
  connect(tabs_.fmsx.check, &QToolButton::clicked, this, &TForm1::SaveCfgFile1Click);
  connect(tabs_.fmsx.run, &QToolButton::clicked, this, &TForm1::runfClick);
}

StartServices TForm1::startServices() {
  return {{*services_.currentFolder, *services_.files, pathStyle_, *services_.systemText},
          *services_.processes,
          *feedback_};
}

LocatorServices TForm1::locatorServices() {
  return {
      *services_.currentFolder, *services_.files, *services_.fileNames, *services_.shortPaths,
      *services_.prompts,       *feedback_,       pathStyle_,           [this] { refreshMedia(); }};
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
    feedback_->showMessageBox(MessageKind::Plain,
                              brmsxCommandCheckText(state_, pathStyle_, *services_.systemText));
  });
}

void TForm1::SaveCfgFile1Click() {
  runCommand([this] {
    if (const auto text = checkResponseFile(state_, *services_.files, *services_.currentFolder,
                                            pathStyle_, *services_.systemText)) {
      feedback_->showMessageBox(MessageKind::Plain, *text);
    }
  });
}

void TForm1::RunB1Click() {
  runCommand([this] { runCurrent(state_, startServices()); });
}

void TForm1::runfClick() {
  runCommand([this] { runFmsx(state_, startServices()); });
}

void TForm1::ToolButton9Click() {
  runCommand([this] { runBrmsx(state_, startServices()); });
}

void TForm1::EditfClick() { services_.modals->run(fmsxDialog()); }

void TForm1::ToolButton2Click() { services_.modals->run(brmsxDialog()); }

void TForm1::fmsxdosexe1Click() {
  runCommand([this] { chooseFmsxFolder(state_, panel_.executables, locatorServices()); });
  refreshMedia();
}

void TForm1::brmsxexe1Click() {
  runCommand([this] { chooseBrmsxFolder(state_, panel_.executables, locatorServices()); });
  refreshMedia();
}

void TForm1::LoadConfig1Click() {
  runCommand([this] { config_.LoadConfig(state_, panel_); });
  refreshMedia();
}

void TForm1::SaveConfig1Click() {
  runCommand([this] { config_.SaveConfig(state_); });
}

void TForm1::GetfMSXDOSexe1Click() {
  markKnownExecutables(state_, panel_.executables, *services_.files);
  refreshMedia();
}

void TForm1::Info1Click() { services_.modals->run(aboutBox()); }

void TForm1::Help2Click() {
  const std::string helpFile = services_.programFolder + std::string(kHelpFileName);
  runCommand([&] {
    // Without a help file beside the program, its own manual stands in for it.
    if (!services_.files->fileExists(helpFile)) {
      showManualWindow(*this);
      return;
    }
    const auto owner = static_cast<std::uintptr_t>(winId());
    if (services_.help->showContents(owner, helpFile) == HelpShown::FileMissing) {
      feedback_->showMessageBox(MessageKind::Warning, helpFile + " が見つかりません。");
    }
  });
}

void TForm1::HomePage1Click() {
  runCommand([this] { services_.opener->openAddress(kHomePageAddress); });
}

bool TForm1::saveBeforeClosing() {
  try {
    config_.SaveConfig(state_);
    return true;
  } catch (const std::exception& failure) {
    if (closingOnRequestToEnd_) {
      std::fprintf(stderr, "%s\n", errorReportText(failure.what()).c_str());
      endedUnsaved_ = true;
      return true;
    }
    feedback_->reportError(failure.what());
  }
  // Without this question a folder that cannot be written would keep the program from ever
  // closing.
  return askBox(*services_.modals, this,
                {QMessageBox::Question,
                 toQt(kApplicationTitle),
                 QStringLiteral("設定を保存できませんでした。保存せずに終了しますか？"),
                 {{QMessageBox::Yes, {}}, {QMessageBox::No, {}}},
                 QMessageBox::No,
                 {},
                 QStringLiteral("CloseQuestion")})
             .button == QMessageBox::Yes;
}

void TForm1::closeOnRequestToEnd() {
  closingOnRequestToEnd_ = true;
  close();
  // Also the loops of modal dialogs and boxes that are open end, so the program does; a session
  // manager or script learns from the status whether the settings were saved.
  QCoreApplication::exit(endedUnsaved_ ? 1 : 0);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (saveBeforeClosing()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace vorlent

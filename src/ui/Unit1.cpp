#include "ui/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

#include "platform/Failure.h"
#include "platform/ProgramFolder.h"
#include "ui/QtText.h"
#include "ui/WindowFont.h"

namespace vorlent {

namespace {

constexpr std::array<int, 3> kStatusPanelWidths = {150, 360, 50};

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      currentFolder_(makeCurrentFolder()),
      files_(makeFileSystem()),
      sounds_(toQt(programFolder())) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("MSX Vorlent! for brMSX2.6 & fMSX MS-DOS1.6b2a"));
  setFont(windowFont());
  resize(725, 413);
  setCentralWidget(new QWidget(this));
  buildMenus();
  buildStatusLine();
  buildStatusBar();
  feedback_ = std::make_unique<QtFeedback>(this, statusLine_, statusPanels_, sounds_);
}

TForm1::~TForm1() = default;

void TForm1::buildMenus() {
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  QAction* close = fileMenu->addAction(QStringLiteral("閉じる(&C)"));
  close->setObjectName(QStringLiteral("Closet"));
  close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(close, &QAction::triggered, this, &TForm1::ClosetClick);
}

void TForm1::buildStatusLine() {
  informationBand_ = new QToolBar(QStringLiteral("インフォメーション"), this);
  informationBand_->setObjectName(QStringLiteral("InformationBand"));
  statusLine_ = new QLineEdit(QStringLiteral("Wellcome!!"), informationBand_);
  statusLine_->setObjectName(QStringLiteral("StatusLine"));
  statusLine_->setReadOnly(true);
  statusLine_->setFrame(false);
  statusLine_->setFont(windowFont(13));
  statusLine_->setFocusPolicy(Qt::NoFocus);
  informationBand_->addWidget(statusLine_);
  addToolBar(Qt::TopToolBarArea, informationBand_);
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

void TForm1::closeEvent(QCloseEvent* event) { event->accept(); }

}  // namespace vorlent

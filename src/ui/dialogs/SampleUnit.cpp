// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SampleUnit.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "fileops/JoinFiles.h"
#include "platform/Failure.h"
#include "platform/PathParts.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/ShellDrops.h"

namespace vorlent {

TFormJ::TFormJ(JoinDialogServices services, QWidget* parent)
    : FileDropWindow(parent), s_(services) {
  setObjectName(QStringLiteral("FormJ"));
  setWindowTitle(QStringLiteral("ファイルの結合"));
  setModal(true);
  resize(306, 400);
  setMinimumSize(220, 270);
  setAcceptDrops(true);
  acceptShellDrops(*this);

  toolBar_ = new QToolBar(this);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  const struct {
    const char* name;
    QString text;
    ToolIcon icon;
    void (TFormJ::*handler)();
  } tools[] = {
      {"ToolButton1", QStringLiteral("開く"), ToolIcon::Open, &TFormJ::ToolButton1Click},
      {"ToolButton2", QStringLiteral("上へ"), ToolIcon::Move, &TFormJ::ToolButton2Click},
      {"ToolButton3", QStringLiteral("下へ"), ToolIcon::Move, &TFormJ::ToolButton3Click},
      {"ToolButton5", QStringLiteral("削除"), ToolIcon::Trash, &TFormJ::ToolButton5Click},
  };
  for (const auto& tool : tools) {
    QAction* action = toolBar_->addAction(toolIcon(tool.icon), tool.text);
    action->setObjectName(QLatin1String(tool.name));
    connect(action, &QAction::triggered, this, tool.handler);
  }

  auto* sourcesLabel = new QLabel(QStringLiteral("ソースファイル"), this);
  sourcesLabel->setObjectName(QStringLiteral("Label2"));
  sourceFiles_ = new QListWidget(this);
  sourceFiles_->setObjectName(QStringLiteral("SourceFiles"));
  sourceFiles_->setToolTip(QStringLiteral("Click \"Open\" button, or Drag & Drop from shell."));
  QFont listFont(QStringLiteral("ＭＳ ゴシック"));
  listFont.setPixelSize(13);
  sourceFiles_->setFont(listFont);
  QPalette white = sourceFiles_->palette();
  white.setColor(QPalette::Base, Qt::white);
  sourceFiles_->setPalette(white);
  sourceFiles_->setAcceptDrops(false);
  // Only a selected line counts: the line that merely holds the focus, which Qt sets when the
  // list takes the focus, is no selection.
  connect(sourceFiles_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showingSources_) {
      return;
    }
    const QList<QListWidgetItem*> chosen = sourceFiles_->selectedItems();
    sources_.select(chosen.isEmpty() ? std::nullopt
                                     : std::optional<std::size_t>(
                                           static_cast<std::size_t>(sourceFiles_->row(chosen[0]))));
  });

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  auto* destinationLabel = new QLabel(QStringLiteral("出力先のファイル"), this);
  destinationLabel->setObjectName(QStringLiteral("Label3"));
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("BitBtn1"));
  destination_ = new QLineEdit(this);
  destination_->setObjectName(QStringLiteral("Destination"));
  auto* join = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                               QStringLiteral("結合"), this);
  join->setObjectName(QStringLiteral("BitBtn3"));
  auto* close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                QStringLiteral("閉じる"), this);
  close->setObjectName(QStringLiteral("BitBtn2"));
  join->setAutoDefault(false);
  close->setAutoDefault(false);
  browse->setAutoDefault(false);

  connect(browse, &QPushButton::clicked, this, &TFormJ::BitBtn1Click);
  connect(destination_, &QLineEdit::textChanged, this, &TFormJ::DestinationChange);
  connect(join, &QPushButton::clicked, this, &TFormJ::BitBtn3Click);
  connect(close, &QPushButton::clicked, this, &TFormJ::BitBtn2Click);

  auto* destinationRow = new QHBoxLayout;
  destinationRow->addWidget(destination_, 1);
  destinationRow->addWidget(browse);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(join);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolBar_);
  layout->addWidget(sourcesLabel);
  layout->addWidget(sourceFiles_, 1);
  layout->addWidget(rule);
  layout->addWidget(destinationLabel);
  layout->addLayout(destinationRow);
  layout->addLayout(buttons);
  DestinationChange();
}

void TFormJ::showSources() {
  showingSources_ = true;
  sourceFiles_->clear();
  for (const std::string& path : sources_.paths()) {
    sourceFiles_->addItem(shownToQt(path));
  }
  if (sources_.selected()) {
    sourceFiles_->setCurrentRow(static_cast<int>(*sources_.selected()),
                                QItemSelectionModel::ClearAndSelect);
  }
  showingSources_ = false;
}

// A dialog that is restored after being minimised is shown again; only the first show of an
// opening takes the selected files.
void TFormJ::showEvent(QShowEvent* event) {
  if (!opened_) {
    opened_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      // Placed by its client area: a move places the frame, whose size the window manager
      // tells only after the first opening, so each later one would stand lower.
      setGeometry(QRect(screen->availableGeometry().center() - rect().center(), size()));
    }
    FormShow();
  }
  QDialog::showEvent(event);
}

void TFormJ::FormShow() {
  for (std::string& path : selectedFilesToJoin(s_.list, s_.files)) {
    sources_.add(std::move(path));
  }
  showSources();
}

void TFormJ::ToolButton1Click() {
  const std::optional<std::vector<std::string>> chosen =
      s_.prompts.chooseFilesToOpen(destinationPath());
  if (!chosen || chosen->empty()) {
    return;
  }
  if (sources_.paths().empty()) {
    setDestination(folderPartWithDelimiter(chosen->front(), s_.style));
  }
  for (const std::string& path : *chosen) {
    sources_.add(path);
  }
  showSources();
}

void TFormJ::ToolButton2Click() {
  sources_.moveSelectedUp();
  showSources();
}

void TFormJ::ToolButton3Click() {
  sources_.moveSelectedDown();
  showSources();
}

void TFormJ::ToolButton5Click() {
  sources_.removeSelected();
  showSources();
}

void TFormJ::BitBtn1Click() {
  const std::optional<std::string> chosen =
      s_.prompts.chooseFileToSave(folderPartWithDelimiter(destinationPath(), s_.style));
  if (chosen) {
    setDestination(*chosen);
  }
}

void TFormJ::setDestination(const std::string& path) {
  destinationShown_ = path;
  destination_->setText(toQt(path));
}

std::string TFormJ::destinationPath() const {
  return toCoreKeeping(destination_->text(), destinationShown_);
}

void TFormJ::DestinationChange() {
  const bool black = destinationFolderExists(destinationPath(), s_.files, s_.style);
  QPalette colours = destination_->palette();
  colours.setColor(QPalette::Text, black ? QColor(0, 0, 0) : QColor(255, 0, 0));
  destination_->setPalette(colours);
}

void TFormJ::BitBtn3Click() {
  const std::string destination = destinationPath();
  if (const std::optional<std::string> refusal = joinRefusal(destination, s_.files, s_.style)) {
    s_.feedback.showMessageBox(MessageKind::Plain, *refusal);
    return;
  }
  try {
    const BusyScope busy(s_.busy);
    JoinFiles(sources_.paths(), destination, s_.readers, s_.writers);
  } catch (const std::exception& failure) {
    s_.feedback.reportError(failure.what());
    return;
  }
  accept();
}

void TFormJ::BitBtn2Click() {
  FormClose();
  reject();
}

void TFormJ::FormClose() {
  sources_.clear();
  showSources();
  destination_->clear();
  destinationShown_.clear();
}

void TFormJ::done(int result) {
  opened_ = false;
  FormClose();
  QDialog::done(result);
}

void TFormJ::addDroppedPaths(const QStringList& paths) {
  std::vector<std::string> dropped;
  for (const QString& path : paths) {
    dropped.push_back(toCore(path));
  }
  filesDropped(dropped);
}

void TFormJ::filesDropped(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    sources_.add(path);
  }
  showSources();
}

}  // namespace vorlent

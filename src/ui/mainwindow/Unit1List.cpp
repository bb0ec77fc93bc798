// SPDX-License-Identifier: GPL-3.0-or-later
// The file list of the main window, its context menu, the drive band and the view commands:
// each runs one navigation or opening command, then the window shows the state afresh.

#include <QAction>
#include <QContextMenuEvent>
#include <QListView>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include "browser/ListSort.h"
#include "media/ListedEntryOpening.h"
#include "ui/filelist/FileListModel.h"
#include "ui/filelist/FileListViews.h"
#include "ui/filelist/ListFocusOpening.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/look/ShownText.h"
#include "ui/mainwindow/BandButton.h"
#include "ui/mainwindow/Unit1.h"

namespace vorlent {

void TForm1::buildFileList() {
  listModel_ = new FileListModel(fileList_, listIcons_, *services_.systemText, this);
  listViews_ = new FileListViews(*listModel_, this);
  listViews_->setObjectName(QStringLiteral("ListView1"));
  setCentralWidget(listViews_);
  listMenu_ = buildListMenu(this);
  listMenu_.menu->setSeparatorsCollapsible(true);
  navigator_ = std::make_unique<Navigator>(
      fileList_, NavigatorServices{*services_.currentFolder, *services_.folders, *services_.drives,
                                   *services_.files, *services_.opener, *feedback_,
                                   *services_.prompts, busy_});
  navigator_->setListedFolderHook(
      [this](std::string_view folder) { setWindowTitle(shownToQt(folder)); });
}

void TForm1::connectListCommands() {
  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(listViews_->iconView()),
                                  static_cast<QAbstractItemView*>(listViews_->detailsView())}) {
    connect(view, &QAbstractItemView::doubleClicked, this, &TForm1::ListView1DblClick);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
      PopupMenulistPopup();
      listMenu_.menu->popup(view->viewport()->mapToGlobal(at));
    });
  }

  // The list taking the focus from another control opens the selection, as a double click does.
  new ListFocusOpening(*this, {listViews_->iconView(), listViews_->detailsView()},
                       [this] { ListView1DblClick(); });

  const auto& items = listMenu_.items;
  connect(items[ListMenuItem::Open], &QAction::triggered, this, &TForm1::ListView1DblClick);
  connect(items[ListMenuItem::OpenWindow], &QAction::triggered, this, &TForm1::OpenDirectory1Click);
  connect(listMenu_.romInformation, &QAction::triggered, this, &TForm1::RomInformation1Click);
  connect(items[ListMenuItem::Slot1], &QAction::triggered, media_.cartridgeSlots[0].button,
          &QToolButton::click);
  connect(items[ListMenuItem::Slot2], &QAction::triggered, media_.cartridgeSlots[1].button,
          &QToolButton::click);
  // Drive 2's item stays usable while brMSX disables its button.
  connect(items[ListMenuItem::Drive1], &QAction::triggered, this, [this] {
    mediaCommand([this](MediaPanel& media) { media.MountDisk(fileList_, DiskDrive::Drive1); });
  });
  connect(items[ListMenuItem::Drive2], &QAction::triggered, this, [this] {
    mediaCommand([this](MediaPanel& media) { media.MountDisk(fileList_, DiskDrive::Drive2); });
  });
  connect(items[ListMenuItem::Tape], &QAction::triggered, media_.tape.button, &QToolButton::click);

  connect(menu_.openFile, &QAction::triggered, this, &TForm1::ListView1DblClick);
  connect(menu_.openFolder, &QAction::triggered, this, &TForm1::OpenDirectory1Click);
  connect(menu_.refresh, &QAction::triggered, this, &TForm1::InformationNew1Click);
  connect(menu_.countObjects, &QAction::triggered, this, &TForm1::CountOBJ1Click);
  connect(menu_.driveSize, &QAction::triggered, this, &TForm1::DriveSize1Click);
  connect(menu_.makeListView, &QAction::triggered, this, &TForm1::ListviewMake1Click);
  connect(menu_.getDrives, &QAction::triggered, this, &TForm1::GetDrive1Click);
  connect(menu_.customSort, &QAction::triggered, this, &TForm1::CustomSort1Click);
  connect(chooseFolderButton_, &QToolButton::clicked, this, &TForm1::ToolButton32Click);

  const std::pair<QAction*, ViewStyle> menuStyles[] = {{menu_.bigIcons, ViewStyle::LargeIcons},
                                                       {menu_.smallIcons, ViewStyle::SmallIcons},
                                                       {menu_.listView, ViewStyle::List},
                                                       {menu_.details, ViewStyle::Details}};
  for (std::size_t i = 0; i < 4; ++i) {
    const ViewStyle style = menuStyles[i].second;
    connect(menuStyles[i].first, &QAction::triggered, this, [this, style] { setViewStyle(style); });
    connect(viewButtons_[i], &QToolButton::clicked, this, [this, style] { setViewStyle(style); });
  }
  for (QToolButton* button : driveButtons_) {
    const char letter = button->objectName().at(0).toLatin1();
    connect(button, &QToolButton::clicked, this, [this, letter] { aClick(letter); });
  }
}

QToolButton* TForm1::driveButton(char letter) const {
  return letter >= 'a' && letter <= 'z' ? driveButtons_[static_cast<std::size_t>(letter - 'a')]
                                        : nullptr;
}

void TForm1::navigationCommand(const std::function<void(Navigator&)>& command) {
  runCommand([&] { command(*navigator_); });
  refreshDriveButtons();
}

void TForm1::refreshDriveButtons() {
  const DriveButtons& buttons = navigator_->driveButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    QToolButton* button = driveButtons_[i];
    button->setText(literalCaption(buttons[i].caption));
    button->setToolTip(plainToolTip(shownToQt(buttons[i].root)));
    button->setIcon(driveIcon(buttons[i].type));
    bandAction(button)->setVisible(buttons[i].visible);
  }
}

void TForm1::ListView1DblClick() {
  runCommand([this] {
    const Opening opening = decideOpening(fileList_, *services_.files, pathStyle_);
    switch (opening.kind) {
      case OpeningKind::Nothing:
        return;
      case OpeningKind::EnterFolder:
        navigator_->enterFolder(opening.path);
        return;
      case OpeningKind::MountCartridge:
        mediaPanel_->MountCartridge(fileList_, CartridgeSlot::Slot1);
        break;
      case OpeningKind::MountDisk:
        mediaPanel_->MountDisk(fileList_, DiskDrive::Drive1);
        break;
      case OpeningKind::MountTape:
        mediaPanel_->MountTape(fileList_);
        break;
      case OpeningKind::OpenWithShell: {
        const BusyScope busy(busy_);
        services_.opener->open(opening.path, services_.currentFolder->get());
        return;
      }
      case OpeningKind::RunProgram:
        runListedProgram(fileList_, *services_.processes, *feedback_);
        return;
      case OpeningKind::TakeFmsx:
        takeListedFmsx(state_, panel_.executables, fileList_, locatorServices());
        break;
      case OpeningKind::TakeBrmsx:
        takeListedBrmsx(state_, panel_.executables, fileList_, locatorServices());
        break;
    }
  });
  refreshMedia();
  refreshDriveButtons();
}

void TForm1::PopupMenulistPopup() {
  const ListMenuVisibility visible = listMenuVisibility(fileList_, *services_.files, pathStyle_);
  for (std::size_t i = 0; i < kListMenuItemCount; ++i) {
    listMenu_.items[i]->setVisible(visible[i]);
  }
  // Exactly one .rom file: the same selection that shows the slot items.
  listMenu_.romSeparator->setVisible(visible[ListMenuItem::Slot1]);
  listMenu_.romInformation->setVisible(visible[ListMenuItem::Slot1]);
}

void TForm1::ListviewMake1Click() {
  navigationCommand([](Navigator& n) { n.showCurrentFolder(); });
}

void TForm1::InformationNew1Click() {
  navigationCommand([](Navigator& n) { n.refresh(); });
}

void TForm1::GetDrive1Click() {
  navigationCommand([](Navigator& n) { n.readDrives(); });
}

void TForm1::CountOBJ1Click() {
  navigationCommand([](Navigator& n) { n.showObjectCount(); });
}

void TForm1::DriveSize1Click() {
  navigationCommand([](Navigator& n) { n.showDriveSize(); });
}

void TForm1::ToolButton32Click() {
  navigationCommand([](Navigator& n) { n.chooseFolder(); });
}

void TForm1::OpenDirectory1Click() {
  navigationCommand([](Navigator& n) { n.openInFileManager(); });
}

void TForm1::aClick(char letter) {
  navigationCommand([letter](Navigator& n) { n.openDrive(letter); });
}

void TForm1::CustomSort1Click() {
  runCommand([this] { sortByCaptionDescending(fileList_, *services_.systemText); });
}

void TForm1::setViewStyle(ViewStyle style) { listViews_->setViewStyle(style); }

}  // namespace vorlent

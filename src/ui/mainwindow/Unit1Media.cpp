// SPDX-License-Identifier: GPL-3.0-or-later
// The media toolbar, its menus, the emulator tabs and the model and resolution menus of the
// main window: each control runs one media command, then every control is shown afresh.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "media/MediaPanelView.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/look/ShownText.h"
#include "ui/mainwindow/Unit1.h"

namespace vorlent {

namespace {

QIcon iconOrNone(int index) { return index < 0 ? QIcon() : mediaIcon(index); }

void showMedium(const MediumView& view, QToolButton* button, QAction* nameItem,
                QAction* ejectItem) {
  button->setIcon(iconOrNone(view.buttonIcon));
  button->setToolTip(plainToolTip(shownToQt(view.tooltip)));
  button->setEnabled(view.buttonEnabled);
  nameItem->setText(literalCaption(view.nameItem.caption));
  nameItem->setIcon(iconOrNone(view.nameItem.icon));
  ejectItem->setEnabled(view.ejectEnabled);
}

void checkItem(const RadioMenu& menu, int index) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    menu.items[i]->setChecked(static_cast<int>(i) == index);
  }
}

}  // namespace

void TForm1::mediaCommand(const std::function<void(MediaPanel&)>& command) {
  runCommand([&] { command(*mediaPanel_); });
  refreshMedia();
}

void TForm1::connectRadioMenu(const RadioMenu& menu, EmulatorKind emulator, bool model) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const int position = static_cast<int>(i);
    connect(menu.items[i], &QAction::triggered, this, [this, emulator, model, position] {
      mediaCommand([=](MediaPanel& media) {
        if (model) {
          media.SelectModel(emulator, position);
        } else {
          media.SelectResolution(emulator, position);
        }
      });
    });
  }
}

void TForm1::connectMediaCommands() {
  for (const CartridgeSlot slot : kCartridgeSlots) {
    const SlotControls& controls = media_.cartridgeSlots[indexOf(slot)];
    connect(controls.button, &QToolButton::clicked, this, [this, slot] {
      mediaCommand([&](MediaPanel& media) { media.MountCartridge(fileList_, slot); });
    });
    for (std::size_t type = 0; type < controls.mapperItems.size(); ++type) {
      connect(controls.mapperItems[type], &QAction::triggered, this, [this, slot, type] {
        mediaCommand([&](MediaPanel& media) {
          media.ChooseMapperType(fileList_, slot, static_cast<int>(type));
        });
      });
    }
    connect(controls.ejectItem, &QAction::triggered, this,
            [this, slot] { mediaCommand([&](MediaPanel& media) { media.EjectCartridge(slot); }); });
    connect(controls.identifyItem, &QAction::triggered, this, [this, slot] {
      mediaCommand([&](MediaPanel& media) { media.IdentifyCartridge(slot, softwareDatabase_); });
    });
  }

  for (const DiskDrive drive : kDiskDrives) {
    const DriveControls& controls = media_.drives[indexOf(drive)];
    connect(controls.button, &QToolButton::clicked, this, [this, drive] {
      mediaCommand([&](MediaPanel& media) { media.MountDisk(fileList_, drive); });
    });
    connect(controls.ejectItem, &QAction::triggered, this,
            [this, drive] { mediaCommand([&](MediaPanel& media) { media.EjectDisk(drive); }); });
    for (std::size_t i = 0; i < controls.diskItems.size(); ++i) {
      connect(controls.diskItems[i], &QAction::triggered, this, [this, drive, i] {
        mediaCommand(
            [&](MediaPanel& media) { media.PickListedDisk(drive, static_cast<int>(i) + 1); });
      });
    }
    connect(controls.resetItem, &QAction::triggered, this, [this, drive] {
      mediaCommand([&](MediaPanel& media) { media.ClearDiskList(drive); });
    });
    QToolButton* button = controls.button;
    QMenu* diskList = controls.diskList;
    connect(button, &QToolButton::customContextMenuRequested, this,
            [button, diskList](const QPoint& at) { diskList->popup(button->mapToGlobal(at)); });
  }
  connect(media_.drives[0].pcDriveItem, &QAction::triggered, this,
          [this] { mediaCommand([](MediaPanel& media) { media.MountPcDriveA(); }); });

  connect(media_.tape.button, &QToolButton::clicked, this,
          [this] { mediaCommand([&](MediaPanel& media) { media.MountTape(fileList_); }); });
  connect(media_.tape.ejectItem, &QAction::triggered, this,
          [this] { mediaCommand([](MediaPanel& media) { media.EjectTape(); }); });
  connect(media_.ejectAll, &QToolButton::clicked, this,
          [this] { mediaCommand([](MediaPanel& media) { media.EjectAllMedia(); }); });

  connectRadioMenu(tabs_.fmsxModels, EmulatorKind::Fmsx, true);
  connectRadioMenu(tabs_.brmsxModels, EmulatorKind::Brmsx, true);
  connectRadioMenu(tabs_.fmsxResolutions, EmulatorKind::Fmsx, false);
  connectRadioMenu(tabs_.brmsxResolutions, EmulatorKind::Brmsx, false);
}

void TForm1::RomInformation1Click() {
  mediaCommand(
      [this](MediaPanel& media) { media.ShowRomInformation(fileList_, softwareDatabase_); });
}

void TForm1::refreshMedia() {
  const MediaPanelView view = mediaPanelView(state_, panel_);
  for (std::size_t s = 0; s < media_.cartridgeSlots.size(); ++s) {
    const SlotControls& controls = media_.cartridgeSlots[s];
    const SlotView& slot = view.slots[s];
    showMedium(slot.medium, controls.button, controls.nameItem, controls.ejectItem);
    controls.identifyItem->setEnabled(slot.medium.ejectEnabled && softwareDatabase_.available());
    for (std::size_t type = 0; type < controls.mapperItems.size(); ++type) {
      controls.mapperItems[type]->setText(literalCaption(slot.mapperCaptions[type]));
      controls.mapperItems[type]->setChecked(static_cast<int>(type) == slot.checkedMapperType);
    }
  }
  for (std::size_t d = 0; d < media_.drives.size(); ++d) {
    const DriveControls& controls = media_.drives[d];
    const DriveView& drive = view.drives[d];
    showMedium(drive.medium, controls.button, controls.nameItem, controls.ejectItem);
    for (std::size_t i = 0; i < controls.diskItems.size(); ++i) {
      controls.diskItems[i]->setText(literalCaption(drive.diskList[i].caption));
      controls.diskItems[i]->setVisible(drive.diskList[i].visible);
    }
  }
  showMedium(view.tape, media_.tape.button, media_.tape.nameItem, media_.tape.ejectItem);

  {
    const QSignalBlocker quiet(tabs_.pageControl);
    tabs_.pageControl->setCurrentIndex(static_cast<int>(view.activePage));
  }
  statusPanels_[static_cast<std::size_t>(StatusPanel::EmulatorMode)]->setText(
      toQt(view.modePanelText));
  checkItem(tabs_.fmsxModels, view.fmsxModelItem);
  checkItem(tabs_.brmsxModels, view.brmsxModelItem);
  checkItem(tabs_.fmsxResolutions, view.fmsxResolutionItem);
  checkItem(tabs_.brmsxResolutions, view.brmsxResolutionItem);

  // The view gives the description's image number (3 or 4); the buttons draw it as a tool icon.
  const auto executableIcon = [](int image) {
    return toolIcon(image == kKnownExecutableIcon ? ToolIcon::Known : ToolIcon::Unknown);
  };
  tabs_.fmsx.executable->setIcon(executableIcon(view.fmsxExeIcon));
  tabs_.brmsx.executable->setIcon(executableIcon(view.brmsxExeIcon));
  tabs_.palamsxExecutable->setIcon(executableIcon(view.palamsxExeIcon));
}

}  // namespace vorlent

// SPDX-License-Identifier: GPL-3.0-or-later
// The file operations of the main window and the join dialog's place in it.

#include <QAction>

#include "fileops/FileOperations.h"
#include "ui/dialogs/SampleUnit.h"
#include "ui/dialogs/ShellProgressWindow.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"

namespace vorlent {

TFormJ& TForm1::joinDialog() {
  if (joinDialog_ == nullptr) {
    joinDialog_ = new TFormJ(
        JoinDialogServices{fileList_, *services_.files, *services_.prompts, *services_.readStreams,
                           *services_.atomicFiles, *feedback_, busy_, pathStyle_},
        this);
  }
  return *joinDialog_;
}

void TForm1::connectFileOperationCommands() {
  shellProgress_ = std::make_shared<ShellProgressWindow>(this, *services_.modals);
  fileOperations_ = std::make_shared<FileOperations>(FileOperationServices{
      fileList_, *navigator_, *services_.currentFolder, *services_.files, *services_.fileChanges,
      *services_.shell, *shellProgress_, *feedback_, *services_.prompts, pathStyle_});

  connect(menu_.newFile, &QAction::triggered, this, &TForm1::Newfile);
  connect(menu_.newFolder, &QAction::triggered, this, &TForm1::Newdir);
  connect(menu_.rename, &QAction::triggered, this, &TForm1::RenameFile1Click);
  // The main menu's items move and copy as the list menu's do.
  connect(menu_.move, &QAction::triggered, this,
          [this] { FileCopy_Move1Click(TransferKind::Move); });
  connect(menu_.copy, &QAction::triggered, this,
          [this] { FileCopy_Move1Click(TransferKind::Copy); });
  connect(menu_.trash, &QAction::triggered, this, &TForm1::DeleteFile1Click);
  connect(menu_.join, &QAction::triggered, this, &TForm1::ToolButton18Click);

  const auto& items = listMenu_.items;
  connect(items[ListMenuItem::NewFile], &QAction::triggered, this, &TForm1::Newfile);
  connect(items[ListMenuItem::NewFolder], &QAction::triggered, this, &TForm1::Newdir);
  connect(items[ListMenuItem::Rename], &QAction::triggered, this, &TForm1::RenameFile1Click);
  connect(items[ListMenuItem::Move], &QAction::triggered, this,
          [this] { FileCopy_Move1Click(TransferKind::Move); });
  connect(items[ListMenuItem::Copy], &QAction::triggered, this,
          [this] { FileCopy_Move1Click(TransferKind::Copy); });
  connect(items[ListMenuItem::Trash], &QAction::triggered, this, &TForm1::DeleteFile1Click);
  connect(items[ListMenuItem::Join], &QAction::triggered, this, &TForm1::joinClick);
}

void TForm1::fileOperationCommand(const std::function<void(FileOperations&)>& command) {
  runCommand([&] { command(*fileOperations_); });
  refreshDriveButtons();
}

void TForm1::Newfile() {
  fileOperationCommand([](FileOperations& f) { f.newFile(); });
}

void TForm1::Newdir() {
  fileOperationCommand([](FileOperations& f) { f.newFolder(); });
}

void TForm1::RenameFile1Click() {
  fileOperationCommand([](FileOperations& f) { f.rename(); });
}

void TForm1::FileCopy_Move1Click(TransferKind kind) {
  fileOperationCommand([kind](FileOperations& f) { f.transfer(kind); });
}

void TForm1::DeleteFile1Click() {
  fileOperationCommand([](FileOperations& f) { f.trash(); });
}

void TForm1::AcceptDroppedFiles(const std::vector<std::string>& paths) {
  // The caption only shows the listed folder; its bytes are the navigator's.
  const std::string destination = navigator_->listedFolder();
  fileOperationCommand([&](FileOperations& f) { f.copyDropped(paths, destination); });
}

void TForm1::ToolButton18Click() {
  std::string listed;
  runCommand([&] { listed = currentFolderOrFailure(*services_.currentFolder); });
  if (listed.empty()) {
    return;
  }
  setWindowTitle(shownToQt(listed));
  services_.modals->run(joinDialog());
  // The open and save dialogs may have changed the current folder.
  services_.currentFolder->set(listed);
  ListviewMake1Click();
}

void TForm1::joinClick() { ToolButton18Click(); }

}  // namespace vorlent

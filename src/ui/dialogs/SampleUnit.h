// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "browser/FileList.h"
#include "feedback/BusyIndicator.h"
#include "feedback/Feedback.h"
#include "feedback/Prompts.h"
#include "fileops/JoinSourceList.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/ReadStreams.h"
#include "ui/mainwindow/FileDropWindow.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;

namespace vorlent {

// What the join dialog reaches outside itself; everything must outlive the dialog.
struct JoinDialogServices {
  const FileList& list;
  FileSystem& files;
  Prompts& prompts;
  ReadStreams& readers;
  AtomicFiles& writers;
  Feedback& feedback;
  BusyIndicator& busy;
  PathStyle style;
};

// The join dialog: sources in an order the user arranges, one destination. It starts with the
// file list's selected files each time it opens and is empty again after every close.
class TFormJ : public FileDropWindow<QDialog> {
  Q_OBJECT

 public:
  TFormJ(JoinDialogServices services, QWidget* parent = nullptr);

  // The command handlers, by the control and caption that run them.

  // The dialog's first show of an opening: takes the file list's selected files as sources.
  void FormShow();
  // Tool bar "開く": adds chosen files; the first ones of an empty list set the destination's
  // folder.
  void ToolButton1Click();
  // Tool bar "上へ".
  void ToolButton2Click();
  // Tool bar "下へ".
  void ToolButton3Click();
  // Tool bar "削除".
  void ToolButton5Click();
  // "..." beside the destination: chooses the file to write.
  void BitBtn1Click();
  // The destination edited: red while its folder does not exist.
  void DestinationChange();
  // "結合": joins the sources into the destination, then closes.
  void BitBtn3Click();
  // "閉じる".
  void BitBtn2Click();
  // Every close: the sources and the destination are emptied.
  void FormClose();

  void done(int result) override;

  // Test hooks: what the tests reach into.
  // Files dropped on the dialog, as a drop hands them over: adds the paths, files and folders
  // alike, in the order given.
  void addDroppedPaths(const QStringList& paths);
  const JoinSourceList& sources() const { return sources_; }
  QListWidget* sourceFiles() const { return sourceFiles_; }
  QLineEdit* destination() const { return destination_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void filesDropped(const std::vector<std::string>& paths) override;

 private:
  void showSources();
  // The destination the program put in the field keeps its bytes while the field shows it.
  void setDestination(const std::string& path);
  std::string destinationPath() const;

  JoinDialogServices s_;
  JoinSourceList sources_;
  QToolBar* toolBar_ = nullptr;
  QListWidget* sourceFiles_ = nullptr;
  QLineEdit* destination_ = nullptr;
  bool showingSources_ = false;
  std::string destinationShown_;
  // Between the first show of an opening and its close.
  bool opened_ = false;
};

}  // namespace vorlent

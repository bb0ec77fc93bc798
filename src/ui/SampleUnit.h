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
class TFormJ : public QDialog {
  Q_OBJECT

 public:
  TFormJ(JoinDialogServices services, QWidget* parent = nullptr);

  const JoinSourceList& sources() const { return sources_; }
  QListWidget* sourceFiles() const { return sourceFiles_; }
  QLineEdit* destination() const { return destination_; }

  void FormShow();
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton3Click();
  void ToolButton5Click();
  void BitBtn1Click();
  void DestinationChange();
  void BitBtn3Click();
  void BitBtn2Click();
  void FormClose();
  // Adds the paths, files and folders alike, in the order given.
  void addDroppedPaths(const QStringList& paths);
  void addDroppedPaths(const std::vector<std::string>& paths);

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

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

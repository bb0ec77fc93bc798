#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/FileList.h"
#include "browser/Navigator.h"
#include "browser/ViewStyle.h"
#include "launch/EmulatorStart.h"
#include "launch/ExecutableLocator.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "launch/MediaSlots.h"
#include "media/MediaPanel.h"
#include "settings/ConfigFile.h"
#include "ui/EmulatorTabs.h"
#include "ui/FileListIcons.h"
#include "ui/ListMenu.h"
#include "ui/MainMenu.h"
#include "ui/MainWindowServices.h"
#include "ui/MediaToolbar.h"
#include "ui/QtBusyIndicator.h"
#include "ui/QtFeedback.h"
#include "ui/SoundCuePlayer.h"

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace vorlent {

class FileListModel;
class FileListViews;
class TAboutBox;
class TForm2;
class TFormBR;
class TFormJ;
class FileOperations;
enum class TransferKind;
class ShellProgressWindow;

// The main window. It owns the launcher state, the media panel's state, the file list and the
// feedback channels; each command handler runs one core operation through runCommand and then
// shows the state afresh.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up sequence: tabs, drives, configuration, executables, first listing.
  explicit TForm1(MainWindowServices services, QWidget* parent = nullptr);
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  LauncherState& state() { return state_; }
  MediaPanelState& mediaPanelState() { return panel_; }
  FileList& fileList() { return fileList_; }
  Feedback& feedback() { return *feedback_; }
  const SoundCuePlayer& sounds() const { return sounds_; }
  const MainMenu& mainMenu() const { return menu_; }
  const EmulatorTabs& emulatorTabs() const { return tabs_; }
  const MediaToolbar& mediaToolbar() const { return media_; }
  Navigator& navigator() { return *navigator_; }
  FileListViews& fileListViews() { return *listViews_; }
  const ListMenu& listMenu() const { return listMenu_; }
  // The tooltip root, caption and visibility of the drive buttons `a` to `z`.
  QToolButton* driveButton(char letter) const;
  // The dialogs are made when first opened: they cost more to build than the rest of the window.
  TForm2& fmsxDialog();
  TFormBR& brmsxDialog();

  // Closes the window as the system's request to end the program: the configuration is saved
  // as at every close, nothing is asked, and the program ends even when the save fails (the
  // failure's text then goes to the standard error).
  void closeOnRequestToEnd();

  // Runs a command at the event boundary: a Failure it throws goes to the general error report
  // and the window stays usable.
  void runCommand(const std::function<void()>& command);

  // Shows the launcher state and the media panel's state in every control that shows them.
  void refreshMedia();

  void ClosetClick();
  void PageControl1Change();
  void BRMSX261Click();
  void fMSXMSDOS1Click();
  void ToolButton29Click();
  void SaveCfgFile1Click();
  void RunB1Click();
  void runfClick();
  void ToolButton9Click();
  void EditfClick();
  void ToolButton2Click();
  void fmsxdosexe1Click();
  void brmsxexe1Click();
  void exefClick();
  void ToolButton17Click();
  void LoadConfig1Click();
  void SaveConfig1Click();
  void GetfMSXDOSexe1Click();
  void Info1Click();
  void Help2Click();
  void HomePage1Click();
  TAboutBox& aboutBox();

  // "ROM 情報" of the list menu: what the software database says of the selected .rom file.
  void RomInformation1Click();

  // The file list and navigation.
  void ListView1DblClick();
  void PopupMenulistPopup();
  void ListviewMake1Click();
  void InformationNew1Click();
  void GetDrive1Click();
  void CountOBJ1Click();
  void DriveSize1Click();
  void ToolButton32Click();
  void OpenDirectory1Click();
  void CustomSort1Click();
  void aClick(char letter);
  void setViewStyle(ViewStyle style);

  // File operations and the join: declared and defined in Unit1FileOps.cpp.
  // (begin file operations)
  void Newfile();
  void Newdir();
  void RenameFile1Click();
  // The clicked item's name tells move from copy: "MoveFile1", "MoveFile2", "CopyFile1", ...
  void FileCopy_Move1Click(TransferKind kind);
  void DeleteFile1Click();
  void ToolButton18Click();
  void joinClick();
  // Copies the dropped paths into the listed folder, one shell operation each.
  void AcceptDroppedFiles(const std::vector<std::string>& paths);
  TFormJ& joinDialog();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  // Runs a file operation at the event boundary, then shows the drive buttons afresh.
  void fileOperationCommand(const std::function<void(FileOperations&)>& command);

  std::shared_ptr<ShellProgressWindow> shellProgress_;
  std::shared_ptr<FileOperations> fileOperations_;
  TFormJ* joinDialog_ = nullptr;

 public:
  // (end file operations)

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildDriveBand();
  void buildTabsBand();
  void buildMediaBand();
  void buildStatusLine();
  void buildStatusBar();
  void connectCommands();
  void connectMediaCommands();
  void connectRadioMenu(const RadioMenu& menu, EmulatorKind emulator, bool model);
  void addBand(QToolBar* band);
  void runStartUp();
  void buildFileList();
  void connectListCommands();
  void connectFileOperationCommands();
  void refreshDriveButtons();
  // Runs a navigation command and shows the drive buttons afresh.
  void navigationCommand(const std::function<void(Navigator&)>& command);
  // Runs a media command and shows its effect.
  void mediaCommand(const std::function<void(MediaPanel&)>& command);
  StartServices startServices();
  LocatorServices locatorServices();
  // Saves at close; false when the save failed and the user keeps the window open.
  bool saveBeforeClosing();

  MainWindowServices services_;
  // Read when first needed, once per run.
  SoftwareDatabaseSource softwareDatabase_;
  PathStyle pathStyle_;
  LauncherState state_;
  MediaPanelState panel_;
  FileList fileList_;
  ConfigFile config_;
  bool closingOnRequestToEnd_ = false;
  SoundCuePlayer sounds_;
  MainMenu menu_;
  EmulatorTabs tabs_;
  MediaToolbar media_;
  QToolBar* driveBar_ = nullptr;
  std::array<QToolButton*, 26> driveButtons_{};
  std::array<QToolButton*, 4> viewButtons_{};
  QToolButton* chooseFolderButton_ = nullptr;
  QLineEdit* statusLine_ = nullptr;
  std::array<QLabel*, 3> statusPanels_{};
  std::unique_ptr<QtFeedback> feedback_;
  std::unique_ptr<MediaPanel> mediaPanel_;
  QtBusyIndicator busy_;
  FileListIcons listIcons_;
  FileListModel* listModel_ = nullptr;
  FileListViews* listViews_ = nullptr;
  ListMenu listMenu_;
  std::unique_ptr<Navigator> navigator_;
  TForm2* fmsxDialog_ = nullptr;
  TFormBR* brmsxDialog_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
};

}  // namespace vorlent

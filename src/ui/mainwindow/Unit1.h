// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui/filelist/FileListIcons.h"
#include "ui/mainwindow/EmulatorTabs.h"
#include "ui/mainwindow/FileDropWindow.h"
#include "ui/mainwindow/ListMenu.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/MediaToolbar.h"
#include "ui/qt/MainWindowServices.h"
#include "ui/qt/QtBusyIndicator.h"
#include "ui/qt/QtFeedback.h"
#include "ui/qt/SoundCuePlayer.h"

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
class TForm1 : public FileDropWindow<QMainWindow> {
  Q_OBJECT

 public:
  // Runs the start-up sequence: tabs, drives, configuration, executables, first listing.
  explicit TForm1(MainWindowServices services, QWidget* parent = nullptr);
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Closes the window as the system's request to end the program: the configuration is saved
  // as at every close, nothing is asked, and the program ends even when the save fails (the
  // failure's text then goes to the standard error).
  void closeOnRequestToEnd();

  // Runs a command at the event boundary: a Failure it throws goes to the general error report
  // and the window stays usable.
  void runCommand(const std::function<void()>& command);

  // Shows the launcher state and the media panel's state in every control that shows them.
  void refreshMedia();

  // The command handlers, by the control and caption that run them. Unit1.cpp holds the menus'
  // and the emulator tabs', Unit1List.cpp the file list's, Unit1Media.cpp the media toolbar's,
  // Unit1FileOps.cpp the file operations'.

  // ファイル "新規ファイル作成(&F)"; list menu "新規ファイル作成".
  void Newfile();
  // ファイル "新規フォルダ作成(&N)"; list menu "新規フォルダ作成".
  void Newdir();
  // ファイル "ファイルを開く(&O)"; list menu "開く"; a double click on the list, or the list
  // taking the focus.
  void ListView1DblClick();
  // ファイル "フォルダを開く(&D)"; list menu "ウィンドウ表示する".
  void OpenDirectory1Click();
  // ファイル "閉じる(&C)" (Ctrl+Q).
  void ClosetClick();

  // 編集 "移動(&M)" and "コピー(&C)"; list menu "移動" and "コピー": kind says which.
  void FileCopy_Move1Click(TransferKind kind);
  // 編集 "名前の変更(&R)" (F2); list menu "名前の変更".
  void RenameFile1Click();
  // 編集 "ファイルの結合(&O)" (Ctrl+P): opens the join dialog.
  void ToolButton18Click();
  // List menu "ファイルの結合": the same as ToolButton18Click.
  void joinClick();
  // 編集 "ごみ箱に捨てる(&D)" (Delete); list menu "ごみ箱に捨てる".
  void DeleteFile1Click();

  // 表示 "大きいアイコン(&G)", "小さいアイコン(&M))", "一覧表示 (&L)", "詳細表示 (&D)"; the
  // drive band's "Big", "Small", "List", "Report".
  void setViewStyle(ViewStyle style);
  // 表示 "最新の情報に更新 (&R)".
  void InformationNew1Click();

  // 実行 "編集（BrMSX）(&B)"; brMSX tab "コマンド編集(B)".
  void ToolButton2Click();
  // 実行 "編集(&fMSX MS-DOS)(&F)"; fMSX tab "コマンド編集(F)".
  void EditfClick();
  // 実行 "brmsx.exe(&B)"; brMSX tab "実行ファイル".
  void brmsxexe1Click();
  // 実行 "fmsx-dos.exe(&F)"; fMSX tab "実行ファイル".
  void fmsxdosexe1Click();
  // 実行 "BRMSX 2.6(&B)" (F9): shows the brMSX tab.
  void BRMSX261Click();
  // 実行 "fMSX MS-DOS(&F)" (F10): shows the fMSX tab.
  void fMSXMSDOS1Click();
  // 実行 "実行する(&R)" (F5): runs the emulator of the tab shown.
  void RunB1Click();

  // ヘルプ "バージョン情報(&I)".
  void Info1Click();
  // ヘルプ "ヘルプの表示(&H)".
  void Help2Click();
  // ヘルプ "ホームページへ(&P)".
  void HomePage1Click();

  // Debug "Save Config(S)".
  void SaveConfig1Click();
  // Debug "Load Config(&L)"; also at start-up.
  void LoadConfig1Click();
  // Debug "Get ExeFiles(&G)"; also at start-up.
  void GetfMSXDOSexe1Click();
  // Debug "Save CfgFile"; fMSX tab "Cfgﾌｧｲﾙ確認".
  void SaveCfgFile1Click();
  // Debug "testrunf"; fMSX tab "実行(F5)".
  void runfClick();
  // Debug "CountOBJ"; also at start-up.
  void CountOBJ1Click();
  // Debug "DriveSize"; also at start-up.
  void DriveSize1Click();
  // Debug "Get ListView(&M)"; also at start-up and after the join dialog closes.
  void ListviewMake1Click();
  // Debug "Get Drive(&D)"; also at start-up.
  void GetDrive1Click();
  // Debug "CustomSort".
  void CustomSort1Click();

  // The emulator tabs: another tab shown; also at start-up.
  void PageControl1Change();
  // brMSX tab "コマンド確認".
  void ToolButton29Click();
  // brMSX tab "実行(&F5)".
  void ToolButton9Click();

  // The drive band's "A:" to "Z:", by the button's letter.
  void aClick(char letter);
  // The drive band's "Dir".
  void ToolButton32Click();

  // The list menu about to open: shows the items that apply to the selection.
  void PopupMenulistPopup();
  // List menu "ROM 情報": what the software database says of the selected .rom file.
  void RomInformation1Click();

  // Files dropped on the window: copies the dropped paths into the listed folder, one shell
  // operation each.
  void AcceptDroppedFiles(const std::vector<std::string>& paths);

  // Test hooks: what the tests reach into; the program itself does not call these from outside.
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
  TAboutBox& aboutBox();
  TFormJ& joinDialog();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void filesDropped(const std::vector<std::string>& paths) override { AcceptDroppedFiles(paths); }

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
  // Runs a file operation at the event boundary, then shows the drive buttons afresh.
  void fileOperationCommand(const std::function<void(FileOperations&)>& command);

  MainWindowServices services_;
  // Read when first needed, once per run.
  SoftwareDatabaseSource softwareDatabase_;
  PathStyle pathStyle_;
  LauncherState state_;
  MediaPanelState panel_;
  FileList fileList_;
  ConfigFile config_;
  bool closingOnRequestToEnd_ = false;
  // The close on a request to end could not save the settings: the program ends with a failure.
  bool endedUnsaved_ = false;
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
  TFormJ* joinDialog_ = nullptr;
  std::shared_ptr<ShellProgressWindow> shellProgress_;
  std::shared_ptr<FileOperations> fileOperations_;
};

}  // namespace vorlent

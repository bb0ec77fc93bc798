#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "browser/FileList.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "media/MediaKinds.h"
#include "media/MediaPanel.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/ShortPaths.h"
#include "ui/EmulatorTabs.h"
#include "ui/MainMenu.h"
#include "ui/MediaToolbar.h"
#include "ui/QtFeedback.h"
#include "ui/SoundCuePlayer.h"

class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace vorlent {

// The main window. It owns the launcher state and the feedback channels; each command handler
// runs one core operation through runCommand and then refreshes what it shows from the state.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  LauncherState& state() { return state_; }
  MediaPanelState& mediaPanelState() { return panel_; }
  FileList& fileList() { return fileList_; }
  Feedback& feedback() { return *feedback_; }
  const MainMenu& mainMenu() const { return menu_; }
  const EmulatorTabs& emulatorTabs() const { return tabs_; }
  const MediaToolbar& mediaToolbar() const { return media_; }

  // Runs a command at the event boundary: a Failure it throws goes to the general error report
  // and the window stays usable.
  void runCommand(const std::function<void()>& command);

  void ClosetClick();
  void PageControl1Change();
  void BRMSX261Click();
  void fMSXMSDOS1Click();
  void ToolButton29Click();
  void SaveCfgFile1Click();

  // Shows the launcher state and the media panel's state in every control that shows them.
  void refreshMedia();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildDriveBand();
  void buildTabsBand();
  void buildMediaBand();
  void buildStatusLine();
  void buildStatusBar();
  void connectCommands();
  void addBand(QToolBar* band);
  void connectMediaCommands();
  void connectRadioMenu(const RadioMenu& menu, EmulatorKind emulator, bool model);
  // Runs a media command and shows its effect.
  void mediaCommand(const std::function<void(MediaPanel&)>& command);

  LauncherState state_;
  MediaPanelState panel_;
  FileList fileList_;
  std::unique_ptr<CurrentFolder> currentFolder_;
  std::unique_ptr<ShortPaths> shortPaths_;
  std::unique_ptr<FileSystem> files_;
  PathStyle pathStyle_;
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
};

}  // namespace vorlent

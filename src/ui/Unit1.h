#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "launch/LauncherState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "ui/QtFeedback.h"
#include "ui/SoundCuePlayer.h"

class QLabel;
class QLineEdit;
class QToolBar;

namespace vorlent {

// The main window. It owns the launcher state and the feedback channels; each command handler
// runs one core operation through runCommand and then refreshes what it shows from the state.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  LauncherState& state() { return state_; }
  Feedback& feedback() { return *feedback_; }

  // Runs a command at the event boundary: a Failure it throws goes to the general error report
  // and the window stays usable.
  void runCommand(const std::function<void()>& command);

  void ClosetClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildStatusLine();
  void buildStatusBar();
  void buildMenus();

  LauncherState state_;
  std::unique_ptr<CurrentFolder> currentFolder_;
  std::unique_ptr<FileSystem> files_;
  SoundCuePlayer sounds_;
  QLineEdit* statusLine_ = nullptr;
  QToolBar* informationBand_ = nullptr;
  std::array<QLabel*, 3> statusPanels_{};
  std::unique_ptr<QtFeedback> feedback_;
};

}  // namespace vorlent

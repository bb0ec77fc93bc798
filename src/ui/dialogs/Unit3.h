// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

class QLabel;
class QPushButton;

namespace vorlent {

inline constexpr std::string_view kHomePageAddress = "https://vorlent.example.org/";
inline constexpr std::string_view kMailAddress = "vorlent@example.org";

// The about box: the program's name and version, the terms of use, and the two links.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // open hands a link (the home page, or "mailto:" and the address) to the desktop.
  TAboutBox(std::function<void(std::string_view)> open, QWidget* parent = nullptr);

  QLabel* homePageLink() const { return label1_; }
  QLabel* mailLink() const { return version_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::function<void(std::string_view)> open_;
  QLabel* label1_ = nullptr;
  QLabel* version_ = nullptr;
};

}  // namespace vorlent

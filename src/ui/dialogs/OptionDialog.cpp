// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/look/QtText.h"
#include "ui/look/WindowFont.h"

namespace vorlent {

namespace {

constexpr int kButtonWidth = 96;

}  // namespace

OptionDialog::OptionDialog(std::string_view caption, QSize clientSize, int pagesHeight,
                           const std::vector<std::string_view>& pages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(toQt(caption));
  setFont(windowFont());
  setModal(true);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setFixedSize(clientSize);
  outer->addWidget(client_);

  auto* layout = new QVBoxLayout(client_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  pages_ = std::make_unique<OptionPages>(pages, clientSize.width(), client_);
  pages_->widget()->setFixedHeight(pagesHeight);
  layout->addWidget(pages_->widget());

  auto* strip = new QWidget(client_);
  strip->setFixedHeight(clientSize.height() - pagesHeight);
  layout->addWidget(strip);
  auto* buttons = new QHBoxLayout(strip);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch();
  QPushButton* ok =
      addButton(strip, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QStyle::SP_DialogOkButton);
  QPushButton* reset = addButton(strip, QStringLiteral("BitBtn2"), QStringLiteral("リセット"),
                                 QStyle::SP_DialogResetButton);
  QPushButton* close = addButton(strip, QStringLiteral("BitBtn3"), QStringLiteral("閉じる"),
                                 QStyle::SP_DialogCloseButton);
  buttons->addWidget(ok);
  buttons->addWidget(reset);
  buttons->addWidget(close);
  buttons->addStretch();
  // Enter acts on "OK" wherever the focus is, not on the focused button.
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OptionDialog::BitBtn1Click);
  connect(reset, &QPushButton::clicked, this, &OptionDialog::BitBtn2Click);
  connect(close, &QPushButton::clicked, this, &OptionDialog::BitBtn3Click);
}

QPushButton* OptionDialog::addButton(QWidget* client, const QString& name, const QString& text,
                                     QStyle::StandardPixmap icon) {
  auto* button = new QPushButton(style()->standardIcon(icon), text, client);
  button->setObjectName(name);
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoDefault(false);
  button->setFixedWidth(kButtonWidth);
  return button;
}

void OptionDialog::bind(const OptionControl& control, int& field) {
  OptionControlBinder& binder = binders_.emplace_back(control, field, pages_->page(control.page));
  pages_->place(control.page, binder.widget());
}

void OptionDialog::finishBuilding() {
  pages_->arrange();
  fillControls();
}

void OptionDialog::setMenuBarAbove(QMenuBar* menuBar) { layout()->setMenuBar(menuBar); }

void OptionDialog::fillControls() {
  for (OptionControlBinder& binder : binders_) {
    binder.fill();
  }
}

void OptionDialog::BitBtn1Click() {
  for (OptionControlBinder& binder : binders_) {
    binder.store();
  }
  accept();
}

void OptionDialog::BitBtn2Click() {
  for (OptionControlBinder& binder : binders_) {
    binder.reset();
  }
}

void OptionDialog::BitBtn3Click() {
  fillControls();
  QDialog::reject();
}

// Escape and closing the window drop the edits as "閉じる" does, so that the next opening
// shows the set.
void OptionDialog::reject() { BitBtn3Click(); }

// Centred on the desktop, not on the main window.
void OptionDialog::showEvent(QShowEvent* event) {
  QScreen* desktop = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (desktop != nullptr) {
    QRect frame = frameGeometry();
    frame.moveCenter(desktop->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace vorlent

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/Unit3.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <string>

#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/look/WindowFont.h"

namespace vorlent {

namespace {

QLabel* link(QWidget* parent, const char* objectName, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(objectName));
  label->setStyleSheet(QStringLiteral("color: blue;"));
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

// A label that runs an action when clicked.
class ClickFilter final : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      action_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

}  // namespace

TAboutBox::TAboutBox(std::function<void(std::string_view)> open, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      open_(std::move(open)) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFixedSize(531, 210);
  setFont(windowFont());
  QPalette menuColour = palette();
  menuColour.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
  setPalette(menuColour);
  setAutoFillBackground(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(programIcon().pixmap(48, 48));

  auto* product = new QLabel(QStringLiteral("MSX Vorlent! Ver 1.96(J)"), this);
  product->setObjectName(QStringLiteral("ProductName"));
  product->setFont(windowFont(13));

  const QString lines[] = {
      QStringLiteral("本ソフトはフリーソフトです。個人の利用に限り自由に使用・複製できます。"),
      QStringLiteral("雑誌等への収録や転載の際は、作者までご一報下さい。"),
      QStringLiteral("本ソフトの使用により生じた損害について、作者は一切責任を負いません。"),
  };
  auto* text = new QVBoxLayout;
  text->setSpacing(4);
  text->addWidget(product);
  for (const QString& line : lines) {
    auto* label = new QLabel(line, this);
    label->setWordWrap(true);
    text->addWidget(label);
  }

  label1_ = link(this, "Label1", QStringLiteral("URL:") + toQt(kHomePageAddress));
  version_ = link(this, "Version", QStringLiteral("Mailto:") + toQt(kMailAddress));
  label1_->installEventFilter(new ClickFilter(label1_, [this] { open_(kHomePageAddress); }));
  version_->installEventFilter(
      new ClickFilter(version_, [this] { open_("mailto:" + std::string(kMailAddress)); }));
  text->addWidget(label1_);
  text->addWidget(version_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The icon's column is as wide as the icon; the text takes the rest.
  icon->setFixedSize(icon->sizeHint());
  auto* grid = new QGridLayout(this);
  grid->addWidget(icon, 0, 0, Qt::AlignTop);
  grid->addLayout(text, 0, 1);
  grid->addWidget(ok, 1, 1, Qt::AlignRight);
  grid->setColumnStretch(1, 1);
}

// Centred on the screen, not on the main window.
void TAboutBox::showEvent(QShowEvent* event) {
  if (const QScreen* desktop = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(desktop->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace vorlent

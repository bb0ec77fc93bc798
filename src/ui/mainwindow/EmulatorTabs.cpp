// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/EmulatorTabs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <cstddef>
#include <string_view>

#include "launch/LauncherState.h"
#include "media/MenuCaptions.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"

namespace vorlent {

namespace {

QToolButton* button(QToolBar* bar, const char* objectName, const QString& caption,
                    const QIcon& icon) {
  auto* tool = new QToolButton(bar);
  tool->setObjectName(QLatin1String(objectName));
  tool->setText(caption);
  // A caption's marked letter would claim the Alt+letter of a menu ("実行(&F5)" that of
  // "ファイル(&F)"), and Qt would take turns between the two: the buttons run with a click and
  // their function keys, the letters belong to the menu bar.
  tool->setShortcut(QKeySequence());
  tool->setIcon(icon);
  tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tool->setAutoRaise(true);
  bar->addWidget(tool);
  return tool;
}

// The items' object names beside their captions, one each.
template <std::size_t N>
RadioMenu radioMenu(QWidget* parent, const char* objectName, const char* const (&itemNames)[N],
                    const std::array<std::string_view, N>& captions) {
  RadioMenu radio;
  radio.menu = new QMenu(parent);
  radio.menu->setObjectName(QLatin1String(objectName));
  radio.group = new QActionGroup(radio.menu);
  radio.group->setExclusive(true);
  for (std::size_t i = 0; i < N; ++i) {
    QAction* action = radio.menu->addAction(toQt(captions[i]));
    action->setObjectName(QLatin1String(itemNames[i]));
    action->setCheckable(true);
    radio.group->addAction(action);
    radio.items.push_back(action);
  }
  return radio;
}

QToolButton* dropDown(QToolBar* bar, const char* objectName, const QString& caption,
                      const QIcon& icon, QMenu* menu) {
  QToolButton* tool = button(bar, objectName, caption, icon);
  tool->setMenu(menu);
  tool->setPopupMode(QToolButton::InstantPopup);
  return tool;
}

QString tabCaption(EmulatorKind emulator) {
  return toQt(kEmulatorTabCaptions[static_cast<std::size_t>(emulator)]);
}

QToolBar* page(QTabWidget* tabs, const char* objectName) {
  auto* bar = new QToolBar(tabs);
  bar->setObjectName(QLatin1String(objectName));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->setIconSize(QSize(16, 16));
  return bar;
}

// The object names of one emulator's buttons and the captions that differ between the tabs.
struct PageLayout {
  const char* executable;
  const char* system;
  const char* resolution;
  const char* edit;
  const char* editCaption;
  const char* check;
  const char* checkCaption;
  const char* run;
  const char* runCaption;
};

constexpr PageLayout kBrmsxPage = {"ToolButton17", "ToolButton28",    "ToolButton25",
                                   "ToolButton2",  "コマンド編集(B)", "ToolButton29",
                                   "コマンド確認", "ToolButton9",     "実行(&F5)"};
constexpr PageLayout kFmsxPage = {
    "exef",        "ToolButton27", "ToolButton24", "Editf",   "コマンド編集(F)",
    "ToolButton3", "Cfgﾌｧｲﾙ確認",  "runf",         "実行(F5)"};

EmulatorPage emulatorPage(QToolBar* bar, const PageLayout& layout, QMenu* models,
                          QMenu* resolutions) {
  EmulatorPage page;
  page.executable =
      button(bar, layout.executable, QStringLiteral("実行ファイル"), toolIcon(ToolIcon::Unknown));
  page.system =
      dropDown(bar, layout.system, QStringLiteral("システム"), toolIcon(ToolIcon::System), models);
  page.resolution = dropDown(bar, layout.resolution, QStringLiteral("解像度"),
                             toolIcon(ToolIcon::Resolution), resolutions);
  page.edit =
      button(bar, layout.edit, QString::fromUtf8(layout.editCaption), toolIcon(ToolIcon::Edit));
  page.check =
      button(bar, layout.check, QString::fromUtf8(layout.checkCaption), toolIcon(ToolIcon::Check));
  page.run = button(bar, layout.run, QString::fromUtf8(layout.runCaption), toolIcon(ToolIcon::Run));
  return page;
}

}  // namespace

EmulatorTabs buildEmulatorTabs(QWidget* parent) {
  EmulatorTabs t;
  t.pageControl = new QTabWidget(parent);
  t.pageControl->setObjectName(QStringLiteral("PageControl1"));
  t.pageControl->setDocumentMode(true);
  t.pageControl->setUsesScrollButtons(false);

  t.brmsxModels = radioMenu(parent, "PopupMenu3", {"MSX12", "MSX23", "MSX24"}, kModelItemCaptions);
  t.fmsxModels = radioMenu(parent, "PopupMenu2", {"MSX11", "MSX21", "MSX22"}, kModelItemCaptions);
  t.fmsxResolutions =
      radioMenu(parent, "PopupMenu5", {"N320x2001", "N320x2401", "N64x4801", "N256x2121"},
                kFmsxResolutionCaptions);
  t.brmsxResolutions =
      radioMenu(parent, "PopupMenu6",
                {"N320x2002", "N256x2001", "N512x2561", "N256x1921", "N512x384x151", "res71",
                 "res111", "res121", "N640x480x8MSX2fullscreensupportwithblackscanlines1",
                 "N512x384x15MSX2withsupporttoYJKsystem1"},
                kBrmsxResolutionCaptions);

  QToolBar* brmsx = page(t.pageControl, "TabSheetBrmsx");
  t.brmsx = emulatorPage(brmsx, kBrmsxPage, t.brmsxModels.menu, t.brmsxResolutions.menu);
  QToolBar* fmsx = page(t.pageControl, "TabSheetFmsx");
  t.fmsx = emulatorPage(fmsx, kFmsxPage, t.fmsxModels.menu, t.fmsxResolutions.menu);

  QToolBar* palamsx = page(t.pageControl, "TabSheetPalamsx");
  t.palamsxExecutable = button(palamsx, "ToolButton19", QStringLiteral("Working ExeFile"),
                               toolIcon(ToolIcon::Unknown));

  t.pageControl->addTab(brmsx, toolIcon(ToolIcon::Emulator), tabCaption(EmulatorKind::Brmsx));
  t.pageControl->addTab(fmsx, toolIcon(ToolIcon::Emulator), tabCaption(EmulatorKind::Fmsx));
  t.pageControl->addTab(palamsx, toolIcon(ToolIcon::Emulator), QStringLiteral("PalaMSX (Win)"));
  t.pageControl->setTabVisible(2, false);
  t.pageControl->setTabEnabled(2, false);
  t.pageControl->setCurrentIndex(0);
  return t;
}

}  // namespace vorlent

#include "ui/EmulatorTabs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <initializer_list>
#include <utility>

#include "ui/Icons.h"

namespace vorlent {

namespace {

using NamedCaption = std::pair<const char*, QString>;

QToolButton* button(QToolBar* bar, const char* objectName, const QString& caption,
                    const QIcon& icon) {
  auto* tool = new QToolButton(bar);
  tool->setObjectName(QLatin1String(objectName));
  tool->setText(caption);
  tool->setIcon(icon);
  tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tool->setAutoRaise(true);
  bar->addWidget(tool);
  return tool;
}

RadioMenu radioMenu(QWidget* parent, const char* objectName,
                    std::initializer_list<NamedCaption> items) {
  RadioMenu radio;
  radio.menu = new QMenu(parent);
  radio.menu->setObjectName(QLatin1String(objectName));
  radio.group = new QActionGroup(radio.menu);
  radio.group->setExclusive(true);
  for (const auto& [name, caption] : items) {
    QAction* action = radio.menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
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

QToolBar* page(QTabWidget* tabs, const char* objectName) {
  auto* bar = new QToolBar(tabs);
  bar->setObjectName(QLatin1String(objectName));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->setIconSize(QSize(16, 16));
  return bar;
}

}  // namespace

EmulatorTabs buildEmulatorTabs(QWidget* parent) {
  EmulatorTabs t;
  t.pageControl = new QTabWidget(parent);
  t.pageControl->setObjectName(QStringLiteral("PageControl1"));
  t.pageControl->setDocumentMode(true);
  t.pageControl->setUsesScrollButtons(false);

  t.brmsxModels = radioMenu(parent, "PopupMenu3",
                            {{"MSX12", QStringLiteral("MSX1")},
                             {"MSX23", QStringLiteral("MSX2")},
                             {"MSX24", QStringLiteral("MSX2+")}});
  t.fmsxModels = radioMenu(parent, "PopupMenu2",
                           {{"MSX11", QStringLiteral("MSX1")},
                            {"MSX21", QStringLiteral("MSX2")},
                            {"MSX22", QStringLiteral("MSX2+")}});
  t.fmsxResolutions = radioMenu(parent, "PopupMenu5",
                                {{"N320x2001", QStringLiteral("320x200")},
                                 {"N320x2401", QStringLiteral("320x240")},
                                 {"N64x4801", QStringLiteral("640x480")},
                                 {"N256x2121", QStringLiteral("256x212")}});
  t.brmsxResolutions = radioMenu(
      parent, "PopupMenu6",
      {{"N320x2002", QStringLiteral("320x200x8  MSX 1 default")},
       {"N256x2001", QStringLiteral("256x200x8  MSX 1 large screen")},
       {"N512x2561", QStringLiteral("512x384x8  MSX 1 TV emulation (interpolation+scanlines)")},
       {"N256x1921", QStringLiteral("256x192x8  MSX 1 square pixels")},
       {"N512x384x151", QStringLiteral("512x384x15 MSX 1 Parrot engine")},
       {"res71", QStringLiteral("320x200x8  MSX 2 default")},
       {"res111", QStringLiteral("512x384x8  MSX 2 full width support")},
       {"res121", QStringLiteral("512x384x8  MSX 2 full width support with black scanlines")},
       {"N640x480x8MSX2fullscreensupportwithblackscanlines1",
        QStringLiteral("640x480x8  MSX 2 full screen support with black scanlines")},
       {"N512x384x15MSX2withsupporttoYJKsystem1",
        QStringLiteral("512x384x15 MSX 2+ with support to YJK system")}});

  QToolBar* brmsx = page(t.pageControl, "TabSheetBrmsx");
  t.brmsxExecutable =
      button(brmsx, "ToolButton17", QStringLiteral("実行ファイル"), toolIcon(ToolIcon::Unknown));
  t.brmsxSystem = dropDown(brmsx, "ToolButton28", QStringLiteral("システム"),
                           toolIcon(ToolIcon::System), t.brmsxModels.menu);
  t.brmsxResolution = dropDown(brmsx, "ToolButton25", QStringLiteral("解像度"),
                               toolIcon(ToolIcon::Resolution), t.brmsxResolutions.menu);
  t.brmsxEdit =
      button(brmsx, "ToolButton2", QStringLiteral("コマンド編集(B)"), toolIcon(ToolIcon::Edit));
  t.brmsxCheck =
      button(brmsx, "ToolButton29", QStringLiteral("コマンド確認"), toolIcon(ToolIcon::Check));
  t.brmsxRun = button(brmsx, "ToolButton9", QStringLiteral("実行(&F5)"), toolIcon(ToolIcon::Run));

  QToolBar* fmsx = page(t.pageControl, "TabSheetFmsx");
  t.fmsxExecutable =
      button(fmsx, "exef", QStringLiteral("実行ファイル"), toolIcon(ToolIcon::Unknown));
  t.fmsxSystem = dropDown(fmsx, "ToolButton27", QStringLiteral("システム"),
                          toolIcon(ToolIcon::System), t.fmsxModels.menu);
  t.fmsxResolution = dropDown(fmsx, "ToolButton24", QStringLiteral("解像度"),
                              toolIcon(ToolIcon::Resolution), t.fmsxResolutions.menu);
  t.fmsxEdit = button(fmsx, "Editf", QStringLiteral("コマンド編集(F)"), toolIcon(ToolIcon::Edit));
  t.fmsxCheck =
      button(fmsx, "ToolButton3", QStringLiteral("Cfgﾌｧｲﾙ確認"), toolIcon(ToolIcon::Check));
  t.fmsxRun = button(fmsx, "runf", QStringLiteral("実行(F5)"), toolIcon(ToolIcon::Run));

  QToolBar* palamsx = page(t.pageControl, "TabSheetPalamsx");
  t.palamsxExecutable = button(palamsx, "ToolButton19", QStringLiteral("Working ExeFile"),
                               toolIcon(ToolIcon::Unknown));

  t.pageControl->addTab(brmsx, toolIcon(ToolIcon::Emulator), QStringLiteral("BRMSX 2.6(MS-DOS)"));
  t.pageControl->addTab(fmsx, toolIcon(ToolIcon::Emulator), QStringLiteral("fMSX MS-DOS 1.6b2.a"));
  t.pageControl->addTab(palamsx, toolIcon(ToolIcon::Emulator), QStringLiteral("PalaMSX (Win)"));
  t.pageControl->setTabVisible(2, false);
  t.pageControl->setTabEnabled(2, false);
  t.pageControl->setCurrentIndex(0);
  return t;
}

}  // namespace vorlent

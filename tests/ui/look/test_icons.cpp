// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "ui/look/Icons.h"

// Every picture the windows use loads from the compiled-in resources at the sizes it is drawn.
class IconsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyIconLoads();
  void sizesAndModes();
};

void IconsTest::everyIconLoads() {
  const auto drawn = [](const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size, size).toImage();
    if (image.isNull()) return false;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) != 0) return true;
      }
    }
    return false;
  };
  for (int index = 0; index <= 18; ++index) {
    QVERIFY2(drawn(vorlent::fileListIcon(index), 32), qPrintable(QString::number(index)));
    QVERIFY2(drawn(vorlent::fileListIcon(index), 16), qPrintable(QString::number(index)));
    QVERIFY2(drawn(vorlent::mediaIcon(index), 16), qPrintable(QString::number(index)));
  }
  QVERIFY(vorlent::mediaIcon(-1).isNull());
  QVERIFY(vorlent::mediaIcon(19).isNull());
  for (int tool = 0; tool <= static_cast<int>(vorlent::ToolIcon::HomePage); ++tool) {
    QVERIFY2(drawn(vorlent::toolIcon(static_cast<vorlent::ToolIcon>(tool)), 16),
             qPrintable(QString::number(tool)));
  }
  for (const auto type :
       {vorlent::DriveType::Removable, vorlent::DriveType::Fixed, vorlent::DriveType::Remote,
        vorlent::DriveType::CdRom, vorlent::DriveType::RamDisk}) {
    QVERIFY(drawn(vorlent::driveIcon(type), 16));
  }
  QVERIFY(drawn(vorlent::programIcon(), 64));
  QVERIFY(drawn(vorlent::moreItemsIcon(Qt::Horizontal), 16));
  QVERIFY(drawn(vorlent::moreItemsIcon(Qt::Vertical), 16));
}

// Icons are drawn at the size asked for, and greyed out for disabled buttons.
void IconsTest::sizesAndModes() {
  const QIcon icon = vorlent::toolIcon(vorlent::ToolIcon::Run);
  for (const int size : {16, 24, 32, 48}) {
    QCOMPARE(icon.pixmap(size, size).size(), QSize(size, size));
  }
  const QImage normal = icon.pixmap(16, 16).toImage();
  const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
  QCOMPARE(disabled.size(), normal.size());
  QVERIFY(disabled != normal);
  // A disabled picture has no colour left.
  for (int y = 0; y < disabled.height(); ++y) {
    for (int x = 0; x < disabled.width(); ++x) {
      const QColor pixel = disabled.pixelColor(x, y);
      QVERIFY2(pixel.alpha() == 0 || pixel.hslSaturation() < 40,
               qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
  }
}

QTEST_MAIN(IconsTest)
#include "test_icons.moc"

#include <QtTest>

#include "ui/Icons.h"

// Every picture the windows use loads from the compiled-in resources at the sizes it is drawn.
class IconsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyIconLoads();
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
}

QTEST_MAIN(IconsTest)
#include "test_icons.moc"

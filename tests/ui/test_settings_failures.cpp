#include <sys/stat.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "support/NextMessageBox.h"
#include "support/TestServices.h"
#include "support/Watchdog.h"
#include "ui/QtText.h"
#include "ui/ReportingApplication.h"
#include "ui/Unit1.h"

using vorlent::TForm1;
using vorlent::testing::NextMessageBox;

namespace {

namespace fs = std::filesystem;

// Atomic files whose every creation throws what the given function throws.
class ThrowingAtomicFiles final : public vorlent::AtomicFiles {
 public:
  explicit ThrowingAtomicFiles(std::function<void()> thrower) : thrower_(std::move(thrower)) {}
  std::unique_ptr<vorlent::AtomicFile> create(std::string_view) override {
    thrower_();
    return nullptr;
  }

 private:
  std::function<void()> thrower_;
};

// An object whose handling of a user event fails with an exception no handler catches.
class FailingReceiver final : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) {
      throw std::runtime_error("unexpected failure");
    }
    return QObject::event(event);
  }
};

}  // namespace

class SettingsFailuresTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void settingsThatAreNoRegularFileNeverHangOrEndTheProgram();
  void anyFailureOfTheSaveAtCloseIsReportedAndAsked();
  void aFailureEscapingAnEventIsReportedAndTheProgramGoesOn();

 private:
  QString startFolder_ = QDir::currentPath();
};

void SettingsFailuresTest::settingsThatAreNoRegularFileNeverHangOrEndTheProgram() {
  for (const char* target : {"fifo", "/dev/zero", "/dev/null"}) {
    QTemporaryDir programFolder;
    const std::string ini = vorlent::toCore(programFolder.filePath(QStringLiteral("Vorlent.ini")));
    if (std::string(target) == "fifo") {
      QCOMPARE(::mkfifo(ini.c_str(), 0600), 0);
    } else {
      fs::create_symlink(target, ini);
    }
    const auto kind = fs::symlink_status(ini).type();
    const vorlent::testing::Watchdog guard("the window", std::chrono::seconds(60));
    NextMessageBox loadReport;
    TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
    QVERIFY(loadReport.seen().has_value());
    QCOMPARE(loadReport.seen()->text,
             vorlent::toQt("'" + ini + "' は通常のファイルではありません."));
    window.show();
    {
      NextMessageBox saveReport;
      NextMessageBox question(QMessageBox::No);
      QVERIFY(!window.close());
      QVERIFY(saveReport.seen().has_value());
      QVERIFY(question.seen().has_value());
      QVERIFY(window.isVisible());
    }
    NextMessageBox saveReport;
    NextMessageBox question(QMessageBox::Yes);
    QVERIFY(window.close());
    QCOMPARE(fs::symlink_status(ini).type(), kind);
  }
}

void SettingsFailuresTest::anyFailureOfTheSaveAtCloseIsReportedAndAsked() {
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.atomicFiles = std::make_unique<ThrowingAtomicFiles>([] { throw std::bad_alloc(); });
  TForm1 window(std::move(services));
  window.show();
  {
    NextMessageBox report;
    NextMessageBox question(QMessageBox::No);
    QVERIFY(!window.close());
    QVERIFY(report.seen().has_value());
    QCOMPARE(int(report.seen()->icon), int(QMessageBox::Critical));
    QCOMPARE(report.seen()->text, QStringLiteral("std::bad_alloc."));
    QVERIFY(question.seen().has_value());
    QVERIFY(window.isVisible());
  }
  NextMessageBox report;
  NextMessageBox question(QMessageBox::Yes);
  QVERIFY(window.close());
  QVERIFY(!window.isVisible());
}

void SettingsFailuresTest::aFailureEscapingAnEventIsReportedAndTheProgramGoesOn() {
  FailingReceiver receiver;
  QEvent event(QEvent::User);
  NextMessageBox report;
  QCoreApplication::sendEvent(&receiver, &event);
  QVERIFY(report.seen().has_value());
  QCOMPARE(report.seen()->title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(report.seen()->text, QStringLiteral("unexpected failure."));
}

int main(int argc, char** argv) {
  vorlent::ReportingApplication application(argc, argv);
  SettingsFailuresTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_settings_failures.moc"

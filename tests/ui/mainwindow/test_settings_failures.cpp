// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "support/Watchdog.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/ReportingApplication.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;
using vorlent::testing::RecordingModals;

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

 public:
  explicit SettingsFailuresTest(const RecordingModals& reports) : reports_(reports) {}

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void settingsThatAreNoRegularFileNeverHangOrEndTheProgram();
  void anyFailureOfTheSaveAtCloseIsReportedAndAsked();
  void aFailureEscapingAnEventIsReportedAndTheProgramGoesOn();

 private:
  QString startFolder_ = QDir::currentPath();
  // The application's reports of failures that escape an event.
  const RecordingModals& reports_;
};

void SettingsFailuresTest::settingsThatAreNoRegularFileNeverHangOrEndTheProgram() {
#ifdef _WIN32
  QSKIP("FIFOs and links to devices are POSIX files");
#else
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
    auto services = vorlent::testing::servicesIn(programFolder.path());
    auto& modals = vorlent::testing::recordModals(services);
    TForm1 window(std::move(services));
    QCOMPARE(modals.boxes.size(), std::size_t{1});
    QCOMPARE(modals.boxes.back().text,
             vorlent::toQt("'" + ini + "' は通常のファイルではありません."));
    window.show();
    modals.answers = {QMessageBox::Ok, QMessageBox::No};
    QVERIFY(!window.close());
    // The save's report, then the question.
    QCOMPARE(modals.boxes.size(), std::size_t{3});
    QVERIFY(window.isVisible());
    modals.answers = {QMessageBox::Ok, QMessageBox::Yes};
    QVERIFY(window.close());
    QCOMPARE(modals.boxes.size(), std::size_t{5});
    QCOMPARE(fs::symlink_status(ini).type(), kind);
  }
#endif
}

void SettingsFailuresTest::anyFailureOfTheSaveAtCloseIsReportedAndAsked() {
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.atomicFiles = std::make_unique<ThrowingAtomicFiles>([] { throw std::bad_alloc(); });
  auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  modals.boxes.clear();
  modals.answers = {QMessageBox::Ok, QMessageBox::No};
  QVERIFY(!window.close());
  QCOMPARE(modals.boxes.size(), std::size_t{2});
  const auto& report = modals.boxes[0];
  QCOMPARE(int(report.icon), int(QMessageBox::Critical));
  QCOMPARE(report.text, QStringLiteral("std::bad_alloc."));
  QCOMPARE(modals.boxes[1].text,
           QStringLiteral("設定を保存できませんでした。保存せずに終了しますか？"));
  QVERIFY(window.isVisible());
  modals.answers = {QMessageBox::Ok, QMessageBox::Yes};
  QVERIFY(window.close());
  QVERIFY(!window.isVisible());
}

void SettingsFailuresTest::aFailureEscapingAnEventIsReportedAndTheProgramGoesOn() {
  FailingReceiver receiver;
  QEvent event(QEvent::User);
  const std::size_t before = reports_.boxes.size();
  QCoreApplication::sendEvent(&receiver, &event);
  QCOMPARE(reports_.boxes.size(), before + 1);
  QCOMPARE(reports_.boxes.back().title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(reports_.boxes.back().text, QStringLiteral("unexpected failure."));
}

int main(int argc, char** argv) {
  auto reports = std::make_unique<RecordingModals>();
  const RecordingModals& reported = *reports;
  vorlent::ReportingApplication application(argc, argv, std::move(reports));
  SettingsFailuresTest test(reported);
  return QTest::qExec(&test, argc, argv);
}

#include "test_settings_failures.moc"

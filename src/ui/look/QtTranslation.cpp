// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorlent {

namespace {

// The words of Qt's file and folder dialogs that its Japanese translation lacks: the Type
// column's names of a folder, a drive and what it cannot tell.
class MissingQtWords final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    if (qstrcmp(source, "Folder") == 0 || qstrcmp(source, "File Folder") == 0) {
      return QStringLiteral("フォルダ");
    }
    if (qstrcmp(source, "Drive") == 0) return QStringLiteral("ドライブ");
    if (qstrcmp(source, "Unknown") == 0) return QStringLiteral("不明");
    return {};
  }
};

}  // namespace

bool translateQtTexts() {
  QCoreApplication::installTranslator(new MissingQtWords(QCoreApplication::instance()));
  auto* translator = new QTranslator(QCoreApplication::instance());
  const QString name = QStringLiteral("qtbase_ja");
  for (const QString& folder :
       {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
    if (translator->load(name, folder)) {
      return QCoreApplication::installTranslator(translator);
    }
  }
  delete translator;
  return false;
}

}  // namespace vorlent

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ModalPresenter.h"

#include <QMessageBox>

namespace vorlent {

namespace {

class QtModalPresenter final : public ModalPresenter {
 public:
  void ask(QMessageBox& box) override { box.exec(); }
  int run(QDialog& dialog) override { return dialog.exec(); }
};

}  // namespace

std::unique_ptr<ModalPresenter> makeQtModalPresenter() {
  return std::make_unique<QtModalPresenter>();
}

}  // namespace vorlent

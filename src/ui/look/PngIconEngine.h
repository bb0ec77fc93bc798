// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QIconEngine>
#include <QPixmap>
#include <QString>
#include <optional>

namespace vorlent {

// An icon drawn from pictures rendered at build time at a few sizes ("<stem>-16.png" and so
// on, see kRenderedIconSizes), read only when it is first drawn: most of the window's pictures
// sit in menus that may never open. A size in between is scaled down from the next larger one,
// so high-DPI screens get sharp pictures too.
class PngIconEngine final : public QIconEngine {
 public:
  explicit PngIconEngine(QString stem);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QString key() const override;
  QIconEngine* clone() const override;
  bool isNull() override;

 private:
  QString fileFor(int side) const;

  QString stem_;
  QHash<quint64, QPixmap> pixmaps_;
  std::optional<bool> exists_;
};

// The sides, in pixels, each icon is rendered at: the sizes the windows draw (16, 32, 48) and
// twice those.
inline constexpr int kRenderedIconSizes[] = {16, 32, 48, 64, 96};

}  // namespace vorlent

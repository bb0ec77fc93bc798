// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/PngIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <iterator>
#include <utility>

namespace vorlent {

namespace {

quint64 pixmapKey(const QSize& size, QIcon::Mode mode) {
  return (static_cast<quint64>(static_cast<quint32>(size.width())) << 32) |
         (static_cast<quint64>(static_cast<quint16>(size.height())) << 16) |
         static_cast<quint64>(mode);
}

}  // namespace

PngIconEngine::PngIconEngine(QString stem) : stem_(std::move(stem)) {}

// The smallest rendering at least as large as asked, or the largest there is.
QString PngIconEngine::fileFor(int side) const {
  int chosen = kRenderedIconSizes[std::size(kRenderedIconSizes) - 1];
  for (const int rendered : kRenderedIconSizes) {
    if (rendered >= side) {
      chosen = rendered;
      break;
    }
  }
  return QStringLiteral("%1-%2.png").arg(stem_).arg(chosen);
}

void PngIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
  const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
  QPixmap drawn = pixmap(rect.size() * scale, mode, state);
  drawn.setDevicePixelRatio(scale);
  painter->drawPixmap(rect, drawn);
}

// The pictures are square and scale to any size.
QSize PngIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  const int side = qMin(size.width(), size.height());
  return {side, side};
}

QPixmap PngIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
  const QSize square = actualSize(size, mode, QIcon::Off);
  if (square.isEmpty()) {
    return {};
  }
  const quint64 key = pixmapKey(square, mode);
  if (const auto found = pixmaps_.constFind(key); found != pixmaps_.constEnd()) {
    return *found;
  }
  QPixmap drawn;
  if (mode == QIcon::Normal) {
    QImage image(fileFor(square.width()));
    if (image.isNull()) {
      image = QImage(square, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
    } else if (image.size() != square) {
      image = image.scaled(square, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    drawn = QPixmap::fromImage(std::move(image));
  } else {
    // Disabled, active and selected pictures are made from the normal one as the style makes
    // them for any icon.
    const QPixmap normal = pixmap(square, QIcon::Normal, QIcon::Off);
    const QStyleOption option;
    drawn = QApplication::style() != nullptr
                ? QApplication::style()->generatedIconPixmap(mode, normal, &option)
                : normal;
  }
  pixmaps_.insert(key, drawn);
  return drawn;
}

QString PngIconEngine::key() const { return QStringLiteral("vorlent-png"); }

QIconEngine* PngIconEngine::clone() const { return new PngIconEngine(stem_); }

// Asked by every button that shows the icon; the answer does not change.
bool PngIconEngine::isNull() {
  if (!exists_) {
    exists_ = QFile::exists(fileFor(kRenderedIconSizes[0]));
  }
  return !*exists_;
}

}  // namespace vorlent

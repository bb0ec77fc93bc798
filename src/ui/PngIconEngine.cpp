#include "ui/SvgIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <utility>

namespace vorlent {

namespace {

quint64 pixmapKey(const QSize& size, QIcon::Mode mode) {
  return (static_cast<quint64>(static_cast<quint32>(size.width())) << 32) |
         (static_cast<quint64>(static_cast<quint16>(size.height())) << 16) |
         static_cast<quint64>(mode);
}

}  // namespace

SvgIconEngine::SvgIconEngine(QString fileName) : fileName_(std::move(fileName)) {}

SvgIconEngine::~SvgIconEngine() = default;

QSvgRenderer* SvgIconEngine::renderer() {
  if (!renderer_) {
    renderer_ = std::make_unique<QSvgRenderer>(fileName_);
  }
  return renderer_.get();
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
  const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
  QPixmap drawn = pixmap(rect.size() * scale, mode, state);
  drawn.setDevicePixelRatio(scale);
  painter->drawPixmap(rect, drawn);
}

// The pictures are square and scale to any size.
QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  const int side = qMin(size.width(), size.height());
  return {side, side};
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
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
    QImage image(square, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (QSvgRenderer* svg = renderer(); svg->isValid()) {
      QPainter painter(&image);
      svg->render(&painter);
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

QString SvgIconEngine::key() const { return QStringLiteral("vorlent-svg"); }

QIconEngine* SvgIconEngine::clone() const { return new SvgIconEngine(fileName_); }

// Asked by every button that shows the icon; the answer does not change.
bool SvgIconEngine::isNull() {
  if (!exists_) {
    exists_ = QFile::exists(fileName_);
  }
  return !*exists_;
}

}  // namespace vorlent

#pragma once

#include <QHash>
#include <QIconEngine>
#include <QPixmap>
#include <QString>
#include <memory>
#include <optional>

class QSvgRenderer;

namespace vorlent {

// An icon drawn from an SVG file at the size it is asked for, read only when it is first
// drawn: most of the window's pictures sit in menus that may never open, and reading them all
// at start-up cost more than the rest of the window.
class SvgIconEngine final : public QIconEngine {
 public:
  explicit SvgIconEngine(QString fileName);
  ~SvgIconEngine() override;

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QString key() const override;
  QIconEngine* clone() const override;
  bool isNull() override;

 private:
  QSvgRenderer* renderer();

  QString fileName_;
  std::unique_ptr<QSvgRenderer> renderer_;
  QHash<quint64, QPixmap> pixmaps_;
  std::optional<bool> exists_;
};

}  // namespace vorlent

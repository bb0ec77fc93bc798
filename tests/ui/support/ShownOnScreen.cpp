// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownOnScreen.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace vorlent::testing {

QString drawnCaption(const QString& caption) {
  QString drawn;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
      ++i;
    }
    drawn += caption[i];
  }
  return drawn;
}

QString drawnAutoText(const QString& text) {
  if (!Qt::mightBeRichText(text)) {
    return text;
  }
  QTextDocument document;
  document.setHtml(text);
  return document.toPlainText();
}

namespace {

QString nameOf(const QWidget& widget) {
  return widget.objectName() + QStringLiteral(" (") +
         QLatin1String(widget.metaObject()->className()) + QLatin1Char(')');
}

// Whether every pixel of the widget lies inside each of its parents up to `area`.
bool insideParents(const QWidget& widget, const QWidget& area) {
  QRect rect(widget.mapTo(&area, QPoint(0, 0)), widget.size());
  for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
       parent = parent->parentWidget()) {
    const QRect parentRect(parent->mapTo(&area, QPoint(0, 0)), parent->size());
    if (!parentRect.contains(rect)) {
      return false;
    }
    if (parent == &area) {
      break;
    }
  }
  return true;
}

// What a tool button's icon and caption take, with a pixel of room on each side: a band's
// buttons have a size of their own, smaller than the style's hint with its margins.
QSize toolButtonContent(const QToolButton& button) {
  const QFontMetrics metrics(button.font());
  const QSize text(metrics.horizontalAdvance(drawnCaption(button.text())), metrics.height());
  const QSize icon = button.icon().isNull() ? QSize() : button.iconSize();
  switch (button.toolButtonStyle()) {
    case Qt::ToolButtonTextUnderIcon:
      return QSize(std::max(text.width(), icon.width()), icon.height() + text.height()) +
             QSize(2, 2);
    case Qt::ToolButtonTextBesideIcon:
      return QSize(icon.width() + 4 + text.width(), std::max(icon.height(), text.height())) +
             QSize(2, 2);
    case Qt::ToolButtonTextOnly:
      return text + QSize(2, 2);
    default:
      return icon + QSize(2, 2);
  }
}

// The width a control needs to draw its text whole.
int neededWidth(const QWidget& widget) {
  if (const auto* tool = qobject_cast<const QToolButton*>(&widget)) {
    return toolButtonContent(*tool).width();
  }
  if (qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
      qobject_cast<const QGroupBox*>(&widget) != nullptr) {
    return widget.minimumSizeHint().expandedTo(widget.sizeHint()).width();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget);
      label != nullptr && !label->wordWrap()) {
    return label->minimumSizeHint().width();
  }
  return 0;
}

}  // namespace

QStringList controlsNotWhole(const QWidget& area) {
  QStringList faults;
  for (const QWidget* widget : area.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&area)) {
      continue;
    }
    if (widget->inherits("QToolBarExtension")) {
      faults << nameOf(*widget->parentWidget()) + QStringLiteral(": does not hold its buttons");
    }
    if (const auto* scroll = qobject_cast<const QAbstractScrollArea*>(widget)) {
      if (scroll->verticalScrollBar()->isVisibleTo(&area) ||
          scroll->horizontalScrollBar()->isVisibleTo(&area)) {
        faults << nameOf(*widget) + QStringLiteral(": scrolls");
      }
    }
    const bool control = qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                         qobject_cast<const QGroupBox*>(widget) != nullptr ||
                         qobject_cast<const QLabel*>(widget) != nullptr ||
                         qobject_cast<const QSlider*>(widget) != nullptr;
    if (!control) {
      continue;
    }
    if (!insideParents(*widget, area)) {
      faults << nameOf(*widget) + QStringLiteral(": cut at ") +
                    QStringLiteral("%1,%2 %3x%4")
                        .arg(widget->mapTo(&area, QPoint(0, 0)).x())
                        .arg(widget->mapTo(&area, QPoint(0, 0)).y())
                        .arg(widget->width())
                        .arg(widget->height());
    } else if (widget->width() < neededWidth(*widget)) {
      faults << nameOf(*widget) + QStringLiteral(": %1 wide, needs %2")
                                      .arg(widget->width())
                                      .arg(neededWidth(*widget));
    } else if (const auto* tool = qobject_cast<const QToolButton*>(widget);
               tool != nullptr && widget->height() < toolButtonContent(*tool).height()) {
      faults << nameOf(*widget) + QStringLiteral(": %1 high, needs %2")
                                      .arg(widget->height())
                                      .arg(toolButtonContent(*tool).height());
    } else if (tool == nullptr && widget->height() < widget->minimumSizeHint().height()) {
      faults << nameOf(*widget) + QStringLiteral(": %1 high, needs %2")
                                      .arg(widget->height())
                                      .arg(widget->minimumSizeHint().height());
    }
  }
  return faults;
}

}  // namespace vorlent::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>

namespace cylindra {

namespace {

// Two chevrons pointing right, or down for a vertical bar, in the text
// colour; drawn at whatever size the button asks for.
class ChevronEngine : public QIconEngine {
  public:
    explicit ChevronEngine(bool down) : m_down(down) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QColor colour = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        const QRectF r = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.25,
                                               -rect.width() * 0.25, -rect.height() * 0.25);
        QPainterPath path;
        for (const double at : {0.0, 0.5}) {
            if (m_down) {
                path.moveTo(r.left(), r.top() + at * r.height());
                path.lineTo(r.center().x(), r.top() + (at + 0.5) * r.height());
                path.lineTo(r.right(), r.top() + at * r.height());
            } else {
                path.moveTo(r.left() + at * r.width(), r.top());
                path.lineTo(r.left() + (at + 0.5) * r.width(), r.center().y());
                path.lineTo(r.left() + at * r.width(), r.bottom());
            }
        }
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(QPen(colour, std::max(1.0, rect.width() / 12.0)));
        p->drawPath(path);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new ChevronEngine(m_down); }

  private:
    bool m_down;
};

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle("Fusion") {}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new ChevronEngine(which == SP_ToolBarVerticalExtensionButton));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const QSize size = option->rect.size();
    if (element != PE_FrameLineEdit || size.isEmpty() || size.width() > 2000 ||
        size.height() > 500) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QStyle::State state = option->state & (State_HasFocus | State_Enabled | State_ReadOnly);
    const QString key = QString("cylindra-frame-%1x%2-%3-%4-%5")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio)
                            .arg(int(state))
                            .arg(option->palette.cacheKey());
    QPixmap frame;
    if (!QPixmapCache::find(key, &frame)) {
        frame = QPixmap(size * ratio);
        frame.setDevicePixelRatio(ratio);
        frame.fill(Qt::transparent);
        QPainter on_frame(&frame);
        QStyleOption at_origin(*option); // Fusion's frame reads no more than this
        at_origin.rect = QRect(QPoint(0, 0), size);
        QProxyStyle::drawPrimitive(element, &at_origin, &on_frame, widget);
        on_frame.end();
        QPixmapCache::insert(key, frame);
    }
    painter->drawPixmap(option->rect.topLeft(), frame);
}

void use_program_style() {
    QApplication::setStyle(new ProgramStyle);
}

} // namespace cylindra

#include "ui/qt/app_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

namespace ui::qt {

namespace {

// ">>" in the button text colour, at any size.
class ChevronIcon : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QColor colour = QApplication::palette().color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        const double s = std::min(rect.width(), rect.height());
        const QPointF o(rect.x() + (rect.width() - s) / 2, rect.y() + (rect.height() - s) / 2);
        QPainterPath path;
        for (double x : {0.25, 0.5}) {
            path.moveTo(o + QPointF(s * x, s * 0.3));
            path.lineTo(o + QPointF(s * (x + 0.2), s * 0.5));
            path.lineTo(o + QPointF(s * x, s * 0.7));
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colour, std::max(1.0, s / 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(path);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new ChevronIcon; }
};

class AppStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIcon);
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        // A rounded box a shade darker than the window, as the group frames of the desktop's
        // style look, below the title when there is one.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
        const int top = titled ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight),
                                          option->fontMetrics.height()) + 4
                               : 4;
        const QRectF frame = QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor window = option->palette.color(QPalette::Window);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(window.darker(130));
        painter->setBrush(window.darker(103));
        painter->drawRoundedRect(frame, 2, 2);
        painter->restore();
    }
};

}  // namespace

void InstallAppStyle() { QApplication::setStyle(new AppStyle); }

}  // namespace ui::qt

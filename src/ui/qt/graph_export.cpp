#include "ui/qt/graph_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include "ui/qt/painter_surface.h"
#include "ui/qt/svg_surface.h"
#include "ui/safe_file.h"

namespace ui::qt {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kInchesPerMetre = 1 / 0.0254;

void Draw(QPainter& painter, const GraphPainter& draw, const ui::Font& font, double penWidth) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(
        QRect(QPoint(0, 0), QSize(painter.device()->width(), painter.device()->height())),
        Qt::white);
    painter.setPen(QPen(Qt::black, penWidth));
    PainterSurface surface(painter, font);
    draw(surface, surface.widthTwips(), surface.heightTwips());
}

}  // namespace

QByteArray GraphPng(const GraphPainter& draw, QSize size, double scale, const ui::Font& font) {
    QImage image(qRound(size.width() * scale), qRound(size.height() * scale), QImage::Format_RGB32);
    if (image.isNull()) return {};
    // A resolution of 96 dpi times the scale: the drawing, laid out in twips, keeps its
    // proportions and gains detail.
    const int dotsPerMetre = qRound(kScreenDpi * scale * kInchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        Draw(painter, draw, font, scale);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray GraphSvg(const GraphPainter& draw, QSize size, const ui::Font& font,
                    const std::string& title) {
    SvgSurface surface(size, font, title);
    draw(surface, surface.widthTwips(), surface.heightTwips());
    const std::string svg = surface.svg();
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

bool WriteGraph(const std::string& path, const GraphPainter& draw, QSize size, double scale,
                const ui::Font& font, std::string& why) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    QByteArray bytes;
    if (suffix == "png") {
        if (!(scale >= 1 && scale <= 8)) {
            why = "the scale must be between 1 and 8";
            return false;
        }
        bytes = GraphPng(draw, size, scale, font);
    } else if (suffix == "svg") {
        bytes = GraphSvg(draw, size, font,
                         QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString());
    } else {
        why = "a graph is written as .png or .svg";
        return false;
    }
    if (bytes.isEmpty()) {
        why = "the picture could not be drawn";
        return false;
    }
    return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), why);
}

}  // namespace ui::qt

// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/picture_area.h"

#include "ui/picture_menu.h"
#include "ui/pixel_grid.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

#include <utility>

namespace solva {

namespace {

void preparePen(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
}

} // namespace

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted here, so Qt need not erase the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The tooltip follows the mouse once it shows.
    setMouseTracking(true);
    renderAll();
}

void PictureArea::SetScale(double x1, double y1, double x2, double y2) {
    scale_ = CoordinateScale{x1, y1, x2, y2};
}

void PictureArea::Clear() {
    segments_.clear();
    reading_.points.clear();
    renderAll();
    update();
}

void PictureArea::DrawLine(float x1, float y1, float x2, float y2) {
    segments_.push_back(Segment{scale_, UserSegment{x1, y1, x2, y2}});
    if (!imageFits()) {
        renderAll();
        update(contentsRect());
        return;
    }
    const auto line = placed(segments_.back());
    if (!line) {
        return;
    }
    QPainter painter(&image_);
    preparePen(painter);
    painter.drawLine(*line);
    // Two pixels of margin hold the pen's half width, its square cap and the
    // antialiasing around it.
    const QRectF touched = QRectF(line->p1(), line->p2())
                               .normalized()
                               .adjusted(-2, -2, 2, 2)
                               .translated(contentsRect().topLeft());
    update(touched.toAlignedRect() & contentsRect());
}

void PictureArea::paintEvent(QPaintEvent*) {
    // A move to a screen of another pixel ratio reaches us only as a repaint.
    if (!imageFits()) {
        renderAll();
    }
    QStylePainter painter(this);
    // Nothing erases the area first, and at a pixel ratio above 1 the style's
    // border leaves some device pixels of its ring as they were.
    painter.fillRect(rect(), palette().window());
    drawFrame(&painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(backgroundRole());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    // The picture last: at a pixel ratio above 1 some styles draw the border
    // a device pixel into the inside, and the focus frame may fill it; the
    // picture must lose no pixel to either.
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    renderAll();
}

// Only the border shows the focus; the base class would repaint the picture.
void PictureArea::focusInEvent(QFocusEvent*) {
    updateBorder();
}

void PictureArea::focusOutEvent(QFocusEvent*) {
    updateBorder();
}

void PictureArea::setReading(PlotReading reading) {
    reading_ = std::move(reading);
}

void PictureArea::setPoints(std::vector<PlotPoint> points) {
    reading_.points = std::move(points);
}

QString PictureArea::readingAt(QPoint pos) const {
    const QRect inside = contentsRect();
    if (segments_.empty() || !inside.contains(pos)) {
        return {};
    }
    // The middle of the pixel under the mouse.
    const QPointF at = QPointF(pos - inside.topLeft()) + QPointF(0.5, 0.5);
    return solva::readingAt(reading_, segments_.back().scale, QSizeF(inside.size()), at);
}

bool PictureArea::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showReading(help->pos(), help->globalPos());
        return true;
    }
    return QFrame::event(event);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    if (QToolTip::isVisible()) {
        showReading(event->position().toPoint(), event->globalPosition().toPoint());
    }
    QFrame::mouseMoveEvent(event);
}

void PictureArea::showReading(QPoint pos, QPoint globalPos) {
    const QString text = readingAt(pos);
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(globalPos, text, this);
    }
}

void PictureArea::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        openMenu(mapToGlobal(contentsRect().center()));
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureArea::contextMenuEvent(QContextMenuEvent* event) {
    openMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                         : mapToGlobal(contentsRect().center()));
}

// The menu lives only while it shows, so the window holds no more widgets
// than its controls the rest of the time.
void PictureArea::openMenu(QPoint globalPos) {
    QMenu* menu = createPictureMenu(*this);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(globalPos);
}

void PictureArea::updateBorder() {
    update(QRegion(rect()).subtracted(contentsRect()));
}

bool PictureArea::imageFits() const {
    const qreal ratio = devicePixelRatioF();
    return image_.devicePixelRatio() == ratio &&
           image_.size() == (QSizeF(contentsRect().size()) * ratio).toSize();
}

void PictureArea::renderAll() {
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(contentsRect().size()) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    if (image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    drawSegments(painter);
}

void PictureArea::paintPicture(QPainter& painter) const {
    painter.fillRect(QRectF(QPointF(0, 0), image_.deviceIndependentSize()), Qt::white);
    drawSegments(painter);
}

void PictureArea::drawSegments(QPainter& painter) const {
    preparePen(painter);
    for (const Segment& segment : segments_) {
        if (const auto line = placed(segment)) {
            painter.drawLine(*line);
        }
    }
}

std::optional<QLineF> PictureArea::placed(const Segment& segment) const {
    if (image_.isNull()) {
        return std::nullopt;
    }
    const auto visible = clipToScale(segment.line, segment.scale);
    if (!visible) {
        return std::nullopt;
    }
    const QSizeF size = image_.deviceIndependentSize();
    const auto at = [&](double x, double y) {
        return QPointF(segment.scale.fractionX(x) * size.width(),
                       segment.scale.fractionY(y) * size.height());
    };
    return alignToPixelGrid(QLineF(at(visible->x1, visible->y1), at(visible->x2, visible->y2)),
                            image_);
}

} // namespace solva

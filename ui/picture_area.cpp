#include "ui/picture_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace solva {

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole inside, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    renderAll();
}

void PictureArea::SetScale(double x1, double y1, double x2, double y2) {
    window_ = UserWindow{x1, y1, x2, y2};
}

void PictureArea::Clear() {
    segments_.clear();
    renderAll();
    update();
}

void PictureArea::DrawLine(float x1, float y1, float x2, float y2) {
    segments_.push_back(Segment{window_, UserSegment{x1, y1, x2, y2}});
    if (imageFits()) {
        render(segments_.back());
    } else {
        renderAll();
    }
    update(contentsRect());
}

void PictureArea::paintEvent(QPaintEvent* event) {
    // A move to a screen of another pixel ratio reaches us only as a repaint.
    if (!imageFits()) {
        renderAll();
    }
    // The border first: at a pixel ratio above 1 some styles draw it a device
    // pixel into the inside, and the picture must not lose that pixel.
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    renderAll();
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
    for (const Segment& segment : segments_) {
        render(segment);
    }
}

void PictureArea::render(const Segment& segment) {
    if (image_.isNull()) {
        return;
    }
    const auto visible = clipToWindow(segment.line, segment.window);
    if (!visible) {
        return;
    }
    const QSizeF size = image_.deviceIndependentSize();
    const auto at = [&](double x, double y) {
        return QPointF(segment.window.fractionX(x) * size.width(),
                       segment.window.fractionY(y) * size.height());
    };
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    painter.drawLine(at(visible->x1, visible->y1), at(visible->x2, visible->y2));
}

} // namespace solva

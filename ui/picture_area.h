// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "plot/drawing_surface.h"
#include "ui/coordinate_scale.h"
#include "ui/plot_reading.h"

#include <QFrame>
#include <QImage>
#include <QLineF>

#include <optional>
#include <vector>

class QPainter;

namespace solva {

// A picture box: a white area with a sunken border that keeps what was drawn
// on it. The coordinate scale maps onto the area inside the border.
//
// Every segment is kept with the scale it was drawn in, so the picture is
// drawn again, sharp, whenever the area's size or pixel ratio changes.
//
// The plot can be read off without changing what is drawn: over the picture
// a tooltip gives the point under the mouse in the plot's units, and a
// context menu (right button, or the Menu key while the area has the focus)
// copies or saves the picture and copies the plot's points.
class PictureArea : public QFrame, public DrawingSurface {
    Q_OBJECT

public:
    struct Segment {
        CoordinateScale scale;
        UserSegment line;
    };

    explicit PictureArea(QWidget* parent = nullptr);

    void SetScale(double x1, double y1, double x2, double y2) override;
    // Erases the picture and forgets the plot's points.
    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;

    // What is on the area now, oldest first.
    const std::vector<Segment>& segments() const { return segments_; }

    // What the plot's coordinates are called and the points it was drawn
    // through; the points are kept until the next Clear.
    void setReading(PlotReading reading);
    void setPoints(std::vector<PlotPoint> points);
    const PlotReading& reading() const { return reading_; }
    // The tooltip's text for the widget position `pos`: empty off the
    // picture and while nothing is drawn.
    QString readingAt(QPoint pos) const;

    // The picture in device pixels, as it shows inside the border.
    const QImage& picture() const { return image_; }
    // Draws the picture on a device the size of the area inside the border.
    void paintPicture(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool imageFits() const;
    void renderAll();
    void drawSegments(QPainter& painter) const;
    void showReading(QPoint pos, QPoint globalPos);
    void openMenu(QPoint globalPos);
    // The segment on the image, in its device-independent coordinates, or
    // nothing if no part of it shows.
    std::optional<QLineF> placed(const Segment& segment) const;
    void updateBorder();

    QImage image_;
    CoordinateScale scale_;
    std::vector<Segment> segments_;
    PlotReading reading_;
};

} // namespace solva

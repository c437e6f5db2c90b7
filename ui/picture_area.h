// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "plot/drawing_surface.h"
#include "ui/coordinate_scale.h"

#include <QFrame>
#include <QImage>
#include <QLineF>

#include <optional>
#include <vector>

namespace solva {

// A picture box: a white area with a sunken border that keeps what was drawn
// on it. The coordinate scale maps onto the area inside the border.
//
// Every segment is kept with the scale it was drawn in, so the picture is
// drawn again, sharp, whenever the area's size or pixel ratio changes.
class PictureArea : public QFrame, public DrawingSurface {
    Q_OBJECT

public:
    struct Segment {
        CoordinateScale scale;
        UserSegment line;
    };

    explicit PictureArea(QWidget* parent = nullptr);

    void SetScale(double x1, double y1, double x2, double y2) override;
    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;

    // What is on the area now, oldest first.
    const std::vector<Segment>& segments() const { return segments_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool imageFits() const;
    void renderAll();
    // The segment on the image, in its device-independent coordinates, or
    // nothing if no part of it shows.
    std::optional<QLineF> placed(const Segment& segment) const;
    void updateBorder();

    QImage image_;
    CoordinateScale scale_;
    std::vector<Segment> segments_;
};

} // namespace solva

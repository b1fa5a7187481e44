// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/ui/PreviewGeometry.h"

#include <QImage>
#include <QRectF>
#include <QWidget>

// The scanner's bed as the last preview showed it, with the area to scan
// drawn on it: drag on the bed for a new area, drag an edge or corner to
// change it, drag inside to move it. The area stays on the bed. What the
// user drew is told by areaDrawn() once the button is released; the owner
// hands back what the device took with setArea().
//
// For tests: objectName "previewPane"; geometry() says where the bed is.
class PreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);

    // The bed in millimetres; empty when the device has no area to choose,
    // and then only the picture is shown.
    void setBed(const QRectF &bedMm);
    // The whole bed as previewed; a null image clears it.
    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    void setArea(const QRectF &areaMm);
    QRectF area() const { return m_area; }
    const PreviewGeometry &geometry() const { return m_geometry; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void areaDrawn(const QRectF &areaMm);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void place();
    void showGrip(int grip);

    PreviewGeometry m_geometry;
    QRectF m_bed;
    QRectF m_area;
    QImage m_picture;
    bool m_dragging = false;
    int m_grip = PreviewGeometry::None;
    QPointF m_pressedAt;
    QRectF m_areaAtPress;
};

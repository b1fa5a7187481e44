// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/PreviewPane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// An area smaller than this (on the widget) is a click, not a drawing.
constexpr double kSmallestDrawnPx = 3;
// How near an edge a press still takes hold of it.
constexpr double kReachPx = 6;

} // namespace

PreviewPane::PreviewPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("previewPane"));
    setAccessibleName(tr("Preview"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
}

QSize PreviewPane::sizeHint() const
{
    return QSize(300, 300);
}

QSize PreviewPane::minimumSizeHint() const
{
    return QSize(120, 120);
}

void PreviewPane::setBed(const QRectF &bedMm)
{
    if (bedMm == m_bed)
        return;
    m_bed = bedMm;
    place();
}

void PreviewPane::setPicture(const QImage &picture)
{
    m_picture = picture;
    place();
}

void PreviewPane::setArea(const QRectF &areaMm)
{
    if (m_dragging) // the user's hand goes first; the device's answer follows the release
        return;
    m_area = areaMm;
    update();
}

void PreviewPane::place()
{
    // Without a bed the picture's own proportions hold it.
    QRectF bed = m_bed;
    if (bed.isEmpty() && !m_picture.isNull())
        bed = QRectF(QPointF(0, 0), QSizeF(m_picture.size()));
    m_geometry.place(bed, QSizeF(size()));
    update();
}

void PreviewPane::resizeEvent(QResizeEvent *)
{
    place();
}

void PreviewPane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF view = m_geometry.view();
    if (view.isEmpty())
        return;
    painter.fillRect(view, Qt::white);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(view, m_picture);
    }
    if (m_bed.isEmpty() || m_area.isEmpty())
        return;
    // What falls outside the area is dimmed, the area outlined.
    const QRectF area = m_geometry.toPixels(m_area).normalized();
    QPainterPath outside;
    outside.addRect(view);
    outside.addRect(area);
    painter.fillPath(outside, QColor(0, 0, 0, 96));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(area);
    painter.setBrush(palette().color(QPalette::Highlight));
    const double r = 3;
    for (const QPointF &corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        painter.drawRect(QRectF(corner - QPointF(r, r), QSizeF(2 * r, 2 * r)));
}

void PreviewPane::showGrip(int grip)
{
    using G = PreviewGeometry;
    Qt::CursorShape shape = Qt::CrossCursor;
    if (grip == G::Inside)
        shape = Qt::SizeAllCursor;
    else if (grip == (G::Left | G::Top) || grip == (G::Right | G::Bottom))
        shape = Qt::SizeFDiagCursor;
    else if (grip == (G::Right | G::Top) || grip == (G::Left | G::Bottom))
        shape = Qt::SizeBDiagCursor;
    else if (grip & (G::Left | G::Right))
        shape = Qt::SizeHorCursor;
    else if (grip & (G::Top | G::Bottom))
        shape = Qt::SizeVerCursor;
    setCursor(shape);
}

void PreviewPane::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_bed.isEmpty() || !m_geometry.isValid())
        return;
    m_dragging = true;
    m_pressedAt = event->position();
    m_areaAtPress = m_area;
    m_grip = m_geometry.grip(m_area, m_pressedAt, kReachPx);
}

void PreviewPane::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        if (!m_bed.isEmpty())
            showGrip(m_geometry.grip(m_area, event->position(), kReachPx));
        return;
    }
    const QPointF moved = event->position() - m_pressedAt;
    if (m_grip == PreviewGeometry::None && moved.manhattanLength() < kSmallestDrawnPx)
        return;
    m_area = m_geometry.dragged(m_areaAtPress, m_grip, m_pressedAt, event->position());
    update();
}

void PreviewPane::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const QRectF drawn = m_geometry.toPixels(m_area).normalized();
    if (drawn.width() < kSmallestDrawnPx || drawn.height() < kSmallestDrawnPx) {
        m_area = m_areaAtPress; // a click, or a line: the area stays
        update();
        return;
    }
    if (m_area != m_areaAtPress)
        emit areaDrawn(m_area);
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/PreviewGeometry.h"

#include <algorithm>
#include <cmath>

void PreviewGeometry::place(const QRectF &bedMm, const QSizeF &widget)
{
    m_bed = bedMm.normalized();
    m_view = {};
    if (m_bed.isEmpty() || widget.isEmpty())
        return;
    const QSizeF size = m_bed.size().scaled(widget, Qt::KeepAspectRatio);
    m_view = QRectF(
        QPointF((widget.width() - size.width()) / 2, (widget.height() - size.height()) / 2), size);
}

QPointF PreviewGeometry::toPixels(const QPointF &mm) const
{
    if (!isValid())
        return {};
    return {m_view.left() + (mm.x() - m_bed.left()) * m_view.width() / m_bed.width(),
            m_view.top() + (mm.y() - m_bed.top()) * m_view.height() / m_bed.height()};
}

QRectF PreviewGeometry::toPixels(const QRectF &mm) const
{
    return QRectF(toPixels(mm.topLeft()), toPixels(mm.bottomRight()));
}

QPointF PreviewGeometry::toMm(const QPointF &px) const
{
    if (!isValid())
        return {};
    const double x = m_bed.left() + (px.x() - m_view.left()) * m_bed.width() / m_view.width();
    const double y = m_bed.top() + (px.y() - m_view.top()) * m_bed.height() / m_view.height();
    return {std::clamp(x, m_bed.left(), m_bed.right()), std::clamp(y, m_bed.top(), m_bed.bottom())};
}

int PreviewGeometry::grip(const QRectF &areaMm, const QPointF &px, double reach) const
{
    if (!isValid() || areaMm.isEmpty())
        return None;
    const QRectF area = toPixels(areaMm).normalized();
    if (!area.adjusted(-reach, -reach, reach, reach).contains(px))
        return None;
    // On a small area the nearer of two edges holds, so each stays reachable.
    const auto near = [reach](double p, double edge, double other) {
        return std::abs(p - edge) <= reach && std::abs(p - edge) < std::abs(p - other);
    };
    int held = None;
    if (near(px.x(), area.left(), area.right()))
        held |= Left;
    else if (near(px.x(), area.right(), area.left()))
        held |= Right;
    if (near(px.y(), area.top(), area.bottom()))
        held |= Top;
    else if (near(px.y(), area.bottom(), area.top()))
        held |= Bottom;
    // An area as large as the bed cannot move: a press inside draws anew.
    const QRectF bed = toPixels(m_bed);
    const bool movable = area.width() < bed.width() - 1 || area.height() < bed.height() - 1;
    return held == None && movable && area.contains(px) ? Inside : held;
}

QRectF PreviewGeometry::dragged(const QRectF &areaMm, int grip, const QPointF &from,
                                const QPointF &to) const
{
    if (!isValid())
        return areaMm;
    const QPointF at = toMm(to);
    if (grip == None)
        return QRectF(toMm(from), at).normalized();
    QRectF area = areaMm.normalized();
    if (grip == Inside) {
        const QPointF by = at - toMm(from);
        area.translate(by);
        // Pushed against an edge it stops there, keeping its size.
        area.moveLeft(std::clamp(area.left(), m_bed.left(), m_bed.right() - area.width()));
        area.moveTop(std::clamp(area.top(), m_bed.top(), m_bed.bottom() - area.height()));
        return area;
    }
    if (grip & Left)
        area.setLeft(at.x());
    if (grip & Right)
        area.setRight(at.x());
    if (grip & Top)
        area.setTop(at.y());
    if (grip & Bottom)
        area.setBottom(at.y());
    return area.normalized();
}

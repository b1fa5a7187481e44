// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the scanner's bed lies in the preview pane and what a drag there
// does to the area: millimetres on the bed against pixels of the widget,
// without a widget, so every rule can be tried by itself.
class PreviewGeometry
{
public:
    // What a press takes hold of; a corner is two edges at once.
    enum Grip {
        None = 0,
        Left = 1,
        Top = 2,
        Right = 4,
        Bottom = 8,
        Inside = 16, // the whole area moves, unless it is the whole bed
    };

    // The bed in millimetres, drawn as large as fits in widget (pixels),
    // centred, with its own proportions.
    void place(const QRectF &bedMm, const QSizeF &widget);
    QRectF bed() const { return m_bed; }
    QRectF view() const { return m_view; } // the bed in pixels
    bool isValid() const { return !m_bed.isEmpty() && !m_view.isEmpty(); }

    QPointF toPixels(const QPointF &mm) const;
    QRectF toPixels(const QRectF &mm) const;
    // A point of the widget on the bed; points beyond it are taken to its edge.
    QPointF toMm(const QPointF &px) const;

    // What a press at px takes of the area; reach is how far from an edge
    // (in pixels) still holds it. None: a new area is drawn from there.
    int grip(const QRectF &areaMm, const QPointF &px, double reach) const;
    // The area after the grip held at from was dragged to to, inside the bed.
    // A new area (None) spans from the press to where the pointer is.
    QRectF dragged(const QRectF &areaMm, int grip, const QPointF &from, const QPointF &to) const;

private:
    QRectF m_bed;
    QRectF m_view;
};

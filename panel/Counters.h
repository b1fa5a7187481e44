// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <Qt>

// The two settings of the next copy: how many copies, and at what scale.
// The window, the Copy command and the print job share one instance; only the
// methods below change the values, and every one of them clamps to the range.
class Counters
{
public:
    // Both counters start their range at 1.
    static constexpr qint16 kCopiesMax = 99;
    static constexpr qint16 kScaleMax = 200;

    enum class Display { None, Copies, Scale };

    // Where each display's first glyph cell is painted; its hot zone starts
    // there and spans the cells the longest value needs.
    static constexpr QPoint kCopiesOrigin{20, 32};
    static constexpr QPoint kScaleOrigin{20, 100};
    static QPoint origin(Display display)
    {
        return display == Display::Scale ? kScaleOrigin : kCopiesOrigin;
    }

    // Which display's hot zone holds this point; both edges of each zone count.
    static Display zoneAt(const QPointF &pos);

    // The step size of a step menu entry: indexes 0..3 count down by 25, 10, 5, 1;
    // 4..7 count up by 1, 5, 10, 25. 0 for an index outside the menu.
    static int stepForIndex(int index);

    void reset();

    // A mouse button went down on the panel at pos, with these buttons held.
    // Returns the display whose value changed, None when nothing changed.
    Display pressOnPanel(Qt::MouseButtons buttons, const QPointF &pos);

    // One up or down on a display, as a left or right press on it makes.
    // Returns false at the limit, where nothing changes.
    bool raise(Display display);
    bool lower(Display display);
    qint16 value(Display display) const { return display == Display::Scale ? intScale : intCopies; }
    static qint16 maximum(Display display)
    {
        return display == Display::Scale ? kScaleMax : kCopiesMax;
    }

    // A step menu entry was chosen. The value is clamped at the limits.
    void stepCopies(int index);
    void stepScale(int index);

    qint16 copies() const { return intCopies; }
    qint16 scale() const { return intScale; }

    // Digits as the displays show them: "1", "100%".
    QString copiesText() const;
    QString scaleText() const;

private:
    qint16 intCopies = 1;
    qint16 intScale = 100;
};

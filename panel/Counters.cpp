// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/Counters.h"

#include "panel/GlyphDisplay.h"

#include <algorithm>

namespace {

constexpr int kSteps[] = {-25, -10, -5, -1, 1, 5, 10, 25};

bool inside(const QPointF &p, qreal left, qreal top, qreal right, qreal bottom)
{
    return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
}

qint16 applyStep(qint16 value, int step, qint16 max)
{
    if (step < 0)
        return value <= -step ? qint16(1) : qint16(value + step);
    return qint16(std::min<int>(value + step, max));
}

} // namespace

Counters::Display Counters::zoneAt(const QPointF &pos)
{
    // A zone covers the cells of the longest value: "99" and "200%".
    const auto zone = [&pos](QPoint origin, int cells) {
        return inside(pos, origin.x(), origin.y(), origin.x() + cells * kGlyphWidth,
                      origin.y() + kGlyphHeight);
    };
    if (zone(kCopiesOrigin, 2))
        return Display::Copies;
    if (zone(kScaleOrigin, 4))
        return Display::Scale;
    return Display::None;
}

int Counters::stepForIndex(int index)
{
    return index >= 0 && index < int(std::size(kSteps)) ? kSteps[index] : 0;
}

void Counters::reset()
{
    intCopies = 1;
    intScale = 100;
}

Counters::Display Counters::pressOnPanel(Qt::MouseButtons buttons, const QPointF &pos)
{
    const Display zone = zoneAt(pos);
    if (zone == Display::None)
        return Display::None;
    if (buttons == Qt::LeftButton && raise(zone))
        return zone;
    if (buttons == Qt::RightButton && lower(zone))
        return zone;
    return Display::None;
}

bool Counters::raise(Display display)
{
    if (display == Display::None)
        return false;
    qint16 &value = display == Display::Copies ? intCopies : intScale;
    if (value >= maximum(display))
        return false;
    ++value;
    return true;
}

bool Counters::lower(Display display)
{
    if (display == Display::None)
        return false;
    qint16 &value = display == Display::Copies ? intCopies : intScale;
    if (value <= 1)
        return false;
    --value;
    return true;
}

void Counters::stepCopies(int index)
{
    if (const int step = stepForIndex(index))
        intCopies = applyStep(intCopies, step, kCopiesMax);
}

void Counters::stepScale(int index)
{
    if (const int step = stepForIndex(index))
        intScale = applyStep(intScale, step, kScaleMax);
}

QString Counters::copiesText() const
{
    return QString::number(intCopies);
}

QString Counters::scaleText() const
{
    return QString::number(intScale) + u'%';
}

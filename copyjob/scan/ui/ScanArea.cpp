// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanArea.h"

#include "copyjob/scan/model/OptionNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
// A sheet fits when it is no larger than the bed by more than this: a bed of
// 215.9 mm given in whole millimetres still takes a Letter sheet.
constexpr double kFitSlackMm = 0.5;

const QLatin1StringView kCornerNames[4] = {OptionName::topLeftX, OptionName::topLeftY,
                                           OptionName::bottomRightX, OptionName::bottomRightY};

// The usual sizes: the key they are kept by, and their English name, which
// Mirel kept before and shows translated.
const struct
{
    const char *key;
    const char *name;
    double width, height;
} kSizes[] = {
    //: Paper sizes: ISO's names, and North America's Letter and Legal.
    {"iso_a4_210x297mm", QT_TRANSLATE_NOOP("ScanArea", "A4"), 210, 297},
    {"iso_a5_148x210mm", QT_TRANSLATE_NOOP("ScanArea", "A5"), 148, 210},
    {"na_letter_8.5x11in", QT_TRANSLATE_NOOP("ScanArea", "Letter"), 215.9, 279.4},
    {"na_legal_8.5x14in", QT_TRANSLATE_NOOP("ScanArea", "Legal"), 215.9, 355.6},
};

const ScanOption *find(const QList<ScanOption> &options, QLatin1StringView name)
{
    for (const ScanOption &option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

double toMm(double value, bool inPixels, double dpi)
{
    if (!inPixels)
        return value;
    return dpi > 0 ? value / dpi * kMmPerInch : 0;
}

} // namespace

ScanArea::ScanArea(const QList<ScanOption> &options)
{
    m_valid = true;
    for (int i = 0; i < 4; ++i) {
        const ScanOption *option = find(options, kCornerNames[i]);
        const bool usable =
            option && option->constraint == ScanOption::Constraint::Range &&
            (option->type == ScanOption::Type::Int || option->type == ScanOption::Type::Fixed) &&
            (option->unit == ScanOption::Unit::Millimetre ||
             option->unit == ScanOption::Unit::Pixel) &&
            option->capabilities.testFlag(ScanOption::Capability::Settable) &&
            !option->capabilities.testFlag(ScanOption::Capability::Inactive) &&
            option->maximum > option->minimum;
        if (!usable) {
            m_valid = false;
            return;
        }
        m_corners[i] = {option->name,
                        option->minimum,
                        option->maximum,
                        option->quant,
                        option->type == ScanOption::Type::Int,
                        option->unit == ScanOption::Unit::Pixel};
    }
}

QString ScanArea::wholeAreaName()
{
    return QCoreApplication::translate("Scanner", "Whole area");
}

QString ScanArea::customName()
{
    return QCoreApplication::translate("ScanOptionsPanel", "Custom");
}

QList<PaperSize> ScanArea::standardSizes()
{
    QList<PaperSize> sizes;
    for (const auto &size : kSizes)
        sizes.append({QString::fromLatin1(size.key),
                      QCoreApplication::translate("ScanArea", size.name), size.width, size.height});
    return sizes;
}

QString ScanArea::keyOf(const QString &kept)
{
    if (kept == QLatin1String("Whole area"))
        return wholeAreaKey();
    if (kept == QLatin1String("Custom"))
        return customKey();
    for (const auto &size : kSizes)
        if (kept == QLatin1String(size.name))
            return QString::fromLatin1(size.key);
    return kept;
}

bool ScanArea::isCornerOption(const QString &name)
{
    return std::any_of(std::begin(kCornerNames), std::end(kCornerNames),
                       [&](QLatin1StringView corner) { return name == corner; });
}

QRectF ScanArea::bed(double dpi) const
{
    if (!m_valid)
        return {};
    const Corner &tlx = m_corners[0], &tly = m_corners[1], &brx = m_corners[2], &bry = m_corners[3];
    const QPointF topLeft(toMm(tlx.minimum, tlx.inPixels, dpi),
                          toMm(tly.minimum, tly.inPixels, dpi));
    const QPointF bottomRight(toMm(brx.maximum, brx.inPixels, dpi),
                              toMm(bry.maximum, bry.inPixels, dpi));
    const QRectF area(topLeft, bottomRight);
    return area.width() > 0 && area.height() > 0 ? area : QRectF();
}

QList<PaperSize> ScanArea::sizesThatFit(double dpi) const
{
    const QRectF glass = bed(dpi);
    if (glass.isEmpty())
        return {};
    QList<PaperSize> sizes{{wholeAreaKey(), wholeAreaName(), glass.width(), glass.height()}};
    for (const PaperSize &size : standardSizes())
        if (size.width <= glass.width() + kFitSlackMm &&
            size.height <= glass.height() + kFitSlackMm)
            sizes << size;
    return sizes;
}

QVariant ScanArea::valueFor(const Corner &corner, double mm, double dpi) const
{
    double value = corner.inPixels ? mm / kMmPerInch * dpi : mm;
    if (corner.quant > 0)
        value = corner.minimum + std::round((value - corner.minimum) / corner.quant) * corner.quant;
    value = std::clamp(value, corner.minimum, corner.maximum);
    if (corner.isInt)
        return int(std::lround(value));
    return value;
}

ScanArea::Values ScanArea::valuesFor(const QRectF &areaMm, double dpi) const
{
    if (!m_valid || (m_corners[0].inPixels && dpi <= 0))
        return {};
    const QRectF area = areaMm.normalized();
    const double mm[4] = {area.left(), area.top(), area.right(), area.bottom()};
    Values values;
    for (int i = 0; i < 4; ++i)
        values.append({m_corners[i].name, valueFor(m_corners[i], mm[i], dpi)});
    return values;
}

ScanArea::Values ScanArea::valuesFor(const PaperSize &size, double dpi) const
{
    const QRectF glass = bed(dpi);
    if (glass.isEmpty())
        return {};
    if (size.key == wholeAreaKey())
        return valuesFor(glass, dpi);
    return valuesFor(QRectF(glass.topLeft(), QSizeF(size.width, size.height)), dpi);
}

QRectF ScanArea::areaOf(const QList<ScanOption> &options, double dpi)
{
    double mm[4] = {};
    for (int i = 0; i < 4; ++i) {
        const ScanOption *option = find(options, kCornerNames[i]);
        if (!option || !option->value.isValid())
            return {};
        mm[i] = toMm(option->value.toDouble(), option->unit == ScanOption::Unit::Pixel, dpi);
    }
    return QRectF(QPointF(mm[0], mm[1]), QPointF(mm[2], mm[3])).normalized();
}

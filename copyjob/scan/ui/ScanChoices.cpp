// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanChoices.h"

#include "copyjob/scan/model/OptionNames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ScanChoices {

QList<ColourMode> offeredModes(const ScanOption &mode, PixelTypes pixelTypes)
{
    QList<ColourMode> modes, wanted;
    for (qsizetype i = 0; i < mode.strings.size(); ++i)
        modes.append({mode.strings[i], mode.kinds.value(i)});
    for (const ColourMode &m : std::as_const(modes))
        if (!m.kind || !pixelTypes || (m.kind & pixelTypes))
            wanted << m;
    return wanted.isEmpty() ? modes : wanted;
}

int modeIndex(const QList<ColourMode> &modes, const QString &remembered)
{
    int index = -1;
    for (int i = 0; index < 0 && i < modes.size(); ++i)
        if (modes[i].label == remembered)
            index = i;
    for (int i = 0; index < 0 && i < modes.size(); ++i)
        if (modes[i].kind == PixelType::Colour) // a copier user expects colour
            index = i;
    return modes.isEmpty() ? -1 : std::max(0, index);
}

QList<int> resolutions(const ScanOption &resolution)
{
    QList<int> choices;
    if (resolution.type != ScanOption::Type::Int && resolution.type != ScanOption::Type::Fixed)
        return choices;
    if (resolution.constraint == ScanOption::Constraint::WordList) {
        for (double word : resolution.words) {
            const int dpi = int(std::lround(word));
            if (dpi > 0 && !choices.contains(dpi))
                choices << dpi;
        }
    } else if (resolution.constraint == ScanOption::Constraint::Range) {
        const double lo = resolution.minimum, hi = resolution.maximum;
        for (int dpi : {75, 100, 150, 200, 300, 400, 600, 1200, 2400, 4800})
            if (dpi >= lo && dpi <= hi)
                choices << dpi;
        if (choices.isEmpty()) {
            choices << int(std::ceil(lo));
            if (int(hi) > choices.first())
                choices << int(hi);
        }
    } else if (resolution.value.isValid()) {
        choices << int(std::lround(resolution.value.toDouble()));
    }
    std::sort(choices.begin(), choices.end());
    return choices;
}

int resolutionIndex(const QList<int> &dpis, int remembered, int preferred)
{
    int index = dpis.indexOf(remembered);
    if (index < 0) {
        for (int i = 0; i < dpis.size(); ++i)
            if (index < 0 || std::abs(dpis[i] - preferred) < std::abs(dpis[index] - preferred))
                index = i;
    }
    return index;
}

int previewResolution(const ScanOption &resolution)
{
    constexpr double lowest = 50, highest = 75;
    if (resolution.type != ScanOption::Type::Int && resolution.type != ScanOption::Type::Fixed)
        return 0;
    if (resolution.constraint == ScanOption::Constraint::Range) {
        double dpi = std::clamp(highest, resolution.minimum, resolution.maximum);
        if (resolution.quant > 0) // on a step, within the range
            dpi = resolution.minimum +
                  std::floor((dpi - resolution.minimum) / resolution.quant) * resolution.quant;
        return int(std::lround(dpi));
    }
    if (resolution.constraint != ScanOption::Constraint::WordList)
        return resolution.value.isValid() ? int(std::lround(resolution.value.toDouble())) : 0;
    const auto distance = [&](double dpi) {
        return dpi < lowest ? lowest - dpi : dpi > highest ? dpi - highest : 0;
    };
    double best = 0;
    for (double dpi : resolution.words)
        if (dpi > 0 && (best <= 0 || distance(dpi) < distance(best) ||
                        (distance(dpi) == distance(best) && distance(dpi) == 0 && dpi > best)))
            best = dpi;
    return int(std::lround(best));
}

bool isFeederSource(const QList<ScanOption> &options)
{
    const ScanOption *source = find(options, OptionName::source);
    if (!source || source->type != ScanOption::Type::String)
        return false;
    const QString value = source->value.toString().toLower();
    return value.contains(QLatin1String("adf")) || value.contains(QLatin1String("feeder")) ||
           isDuplexSource(options);
}

bool isDuplexSource(const QList<ScanOption> &options)
{
    const ScanOption *source = find(options, OptionName::source);
    if (!source || source->type != ScanOption::Type::String)
        return false;
    const QString value = source->value.toString().toLower();
    return value.contains(QLatin1String("duplex")) ||
           (value.contains(QLatin1String("front")) && value.contains(QLatin1String("back")));
}

namespace {

// One number of an int or fixed option, within its constraint.
QVariant fittedNumber(const ScanOption &option, const QVariant &kept)
{
    bool ok = false;
    const double number =
        kept.typeId() == QMetaType::QString ? kept.toString().toDouble(&ok) : kept.toDouble(&ok);
    const bool isInt = option.type == ScanOption::Type::Int;
    if (!ok || !std::isfinite(number) || (isInt && number != std::round(number)))
        return {};
    const double tolerance = isInt ? 0 : 1e-4; // a fixed is stored in steps of 1/65536
    if (option.constraint == ScanOption::Constraint::Range) {
        if (number < option.minimum - tolerance || number > option.maximum + tolerance)
            return {};
        if (option.quant > 0) {
            const double steps = (number - option.minimum) / option.quant;
            if (std::abs(steps - std::round(steps)) * option.quant > tolerance + 1e-9)
                return {};
        }
    } else if (option.constraint == ScanOption::Constraint::WordList) {
        if (std::none_of(option.words.cbegin(), option.words.cend(),
                         [&](double word) { return std::abs(word - number) <= tolerance; }))
            return {};
    }
    return isInt ? QVariant(int(number)) : QVariant(number);
}

} // namespace

QVariant fitted(const ScanOption &option, const QVariant &kept)
{
    if (!option.capabilities.testFlag(ScanOption::Capability::Settable) || !kept.isValid())
        return {};
    const bool isText = kept.typeId() == QMetaType::QString;
    switch (option.type) {
    case ScanOption::Type::Bool: {
        const QString text = kept.toString();
        if (kept.typeId() == QMetaType::Bool || text == QLatin1String("true") ||
            text == QLatin1String("false"))
            return kept.toBool();
        return {};
    }
    case ScanOption::Type::String:
        if (!isText || (option.constraint == ScanOption::Constraint::StringList &&
                        !option.strings.contains(kept.toString())))
            return {};
        return kept.toString();
    case ScanOption::Type::Int:
    case ScanOption::Type::Fixed: {
        if (option.count <= 1)
            return fittedNumber(option, kept);
        const QVariantList parts =
            isText ? QVariant(kept.toString().split(u' ', Qt::SkipEmptyParts)).toList()
                   : kept.toList();
        if (parts.size() != option.count)
            return {};
        QVariantList numbers;
        for (const QVariant &part : parts) {
            numbers << fittedNumber(option, part);
            if (!numbers.last().isValid())
                return {};
        }
        return numbers;
    }
    default: // a button or a group keeps no value
        return {};
    }
}

const ScanOption *find(const QList<ScanOption> &options, const QString &name)
{
    for (const ScanOption &option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

} // namespace ScanChoices

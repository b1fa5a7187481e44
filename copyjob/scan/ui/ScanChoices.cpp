// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanChoices.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ScanChoices {

int pixelTypeOf(const QString &mode)
{
    const QString m = mode.toLower();
    if (m.contains(QLatin1String("color")) || m.contains(QLatin1String("colour")))
        return 4;
    if (m.contains(QLatin1String("gray")) || m.contains(QLatin1String("grey")))
        return 2;
    if (m.contains(QLatin1String("lineart")) || m.contains(QLatin1String("halftone")) ||
        m.contains(QLatin1String("binary")))
        return 1;
    return 0;
}

QStringList offeredModes(const QStringList &modes, int pixelTypes)
{
    if (pixelTypes == 0)
        return modes;
    QStringList wanted;
    for (const QString &mode : modes) {
        const int type = pixelTypeOf(mode);
        if (type == 0 || (type & pixelTypes))
            wanted << mode;
    }
    return wanted.isEmpty() ? modes : wanted;
}

int modeIndex(const QStringList &modes, const QString &remembered)
{
    int index = modes.indexOf(remembered);
    for (int i = 0; index < 0 && i < modes.size(); ++i)
        if (pixelTypeOf(modes[i]) == 4) // a copier user expects colour
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
    const ScanOption *source = find(options, QStringLiteral("source"));
    if (!source || source->type != ScanOption::Type::String)
        return false;
    const QString value = source->value.toString().toLower();
    return value.contains(QLatin1String("adf")) || value.contains(QLatin1String("feeder"));
}

const ScanOption *find(const QList<ScanOption> &options, const QString &name)
{
    for (const ScanOption &option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

} // namespace ScanChoices

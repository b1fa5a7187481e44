// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every benchmark reports the same way: the median of its runs and the
// process's peak resident memory.

#include <algorithm>
#include <iterator>
#include <vector>

#include <sys/resource.h>

// The middle value (the mean of the two middle ones for an even count); 0 for none.
template <typename Container> double median(const Container &values)
{
    std::vector<double> sorted(std::begin(values), std::end(values));
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    if (n == 0)
        return 0;
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

// The most resident memory this process has held so far, in KiB.
inline long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every benchmark reports the same way: the median of its runs and the
// peak resident memory of the process, or of another one still running (such
// as the scanner helper).

#include <algorithm>
#include <cstdio>
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

// VmHWM of a running process, in KiB; -1 when it is gone.
inline long peakResidentKiB(long long pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%lld/status", pid);
    FILE *status = pid > 0 ? std::fopen(path, "r") : nullptr;
    long kib = -1;
    char line[256];
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    if (status)
        std::fclose(status);
    return kib;
}

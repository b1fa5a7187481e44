// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanOption.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QVariant>

// A sheet of paper, upright, in millimetres: kept by a key in no language
// (PWG's name for the size), shown by its name in the user's.
struct PaperSize
{
    QString key;
    QString name;
    double width = 0;
    double height = 0;

    bool operator==(const PaperSize &) const = default;
};

// The area a scanner can scan, read from its four corner options (tl-x,
// tl-y, br-x, br-y), and the values those options take for an area chosen
// in millimetres. Devices give the corners in millimetres or in pixels; a
// pixel is a pixel at the scan resolution, so that is needed to convert.
class ScanArea
{
public:
    using Values = ScanSettings;

    explicit ScanArea(const QList<ScanOption> &options);

    // False when the device has no settable corner options with ranges: it
    // scans what it scans.
    bool isValid() const { return m_valid; }

    // The largest area the ranges allow, in millimetres; empty when a pixel
    // geometry has no resolution to convert at.
    QRectF bed(double dpi) const;

    // The whole area first, then the usual sizes that fit on the bed.
    QList<PaperSize> sizesThatFit(double dpi) const;
    static QList<PaperSize> standardSizes();
    // The keys of the whole area and of an area the user drew or typed, in
    // place of a paper size, and their names.
    static QString wholeAreaKey() { return QStringLiteral("whole"); }
    static QString customKey() { return QStringLiteral("custom"); }
    static QString wholeAreaName();
    static QString customName();
    // The key of a choice kept by an earlier Mirel under its English name
    // ("Whole area", "A4", "Custom"); any other text as it is.
    static QString keyOf(const QString &kept);

    // The corner options' values for an area in millimetres, kept inside
    // the ranges and on their steps.
    Values valuesFor(const QRectF &areaMm, double dpi) const;
    // The values that place a paper size at the top-left corner of the bed;
    // the whole area for wholeAreaKey().
    Values valuesFor(const PaperSize &size, double dpi) const;

    // The area in millimetres that the corner options' current values
    // describe.
    static QRectF areaOf(const QList<ScanOption> &options, double dpi);

    static bool isCornerOption(const QString &name);

private:
    struct Corner
    {
        QString name;
        double minimum = 0, maximum = 0, quant = 0;
        bool isInt = false;
        bool inPixels = false;
    };
    QVariant valueFor(const Corner &corner, double mm, double dpi) const;

    Corner m_corners[4]; // tl-x, tl-y, br-x, br-y
    bool m_valid = false;
};

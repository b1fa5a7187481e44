// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/sane/ScanOption.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One scanner as sane_get_devices describes it.
struct SaneDeviceInfo
{
    QString name; // the SANE name, e.g. "test:0"; tells two identical scanners apart
    QString vendor;
    QString model;
    QString type;

    // "vendor model (name)", as the user sees it.
    QString displayName() const;
};

// An open SANE handle and the option work done on it. Closes the handle when
// destroyed. Options are always looked up by name, because setting one may
// make the backend renumber or reshape the others.
class SaneDevice
{
public:
    SaneDevice(const SaneApi &api, SANE_Handle handle, SaneDeviceInfo info);
    ~SaneDevice();

    SaneDevice(const SaneDevice &) = delete;
    SaneDevice &operator=(const SaneDevice &) = delete;

    const SaneDeviceInfo &info() const { return m_info; }
    SANE_Handle handle() const { return m_handle; }

    bool hasOption(const QString &name) const { return optionIndex(name) >= 0; }
    // Sets a bool, int, fixed (as double) or string option from value; a
    // QVariantList for an array.
    Outcome setOption(const QString &name, const QVariant &value);
    // The option's value (bool, int, double or QString); invalid when it has none.
    QVariant option(const QString &name) const;

    // Every option the device describes, in its order, with its value.
    QList<ScanOption> options() const;
    // Resolution the next scan uses, in dots per inch; 0 when the device has none.
    double resolution() const;
    // Sets the scan area to the largest the geometry options allow.
    Outcome coverWholeBed();

private:
    int optionIndex(const QString &name) const;

    const SaneApi &m_api;
    SANE_Handle m_handle;
    SaneDeviceInfo m_info;
};

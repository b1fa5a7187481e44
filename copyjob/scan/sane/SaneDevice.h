// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanError.h"
#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/sane/SaneApi.h"

#include <QList>
#include <QString>
#include <QVariant>

// Whether SANE reaches the device of this name over the network: its net
// backend, the eSCL and AirScan backends, and the network devices of the
// vendors' backends, which put an address in the name.
bool isNetworkDevice(const QString &saneName);
// A device as sane_get_devices describes it, in the program's terms.
ScanDevice scanDeviceOf(const SANE_Device &device);

// An open SANE handle and the option work done on it. Closes the handle when
// destroyed. Options are always looked up by name, because setting one may
// make the backend renumber or reshape the others.
class SaneDevice
{
public:
    SaneDevice(const SaneApi &api, SANE_Handle handle, ScanDevice info);
    ~SaneDevice();

    SaneDevice(const SaneDevice &) = delete;
    SaneDevice &operator=(const SaneDevice &) = delete;

    const ScanDevice &info() const { return m_info; }
    SANE_Handle handle() const { return m_handle; }

    // Sets a bool, int, fixed (as double) or string option from value; a
    // QVariantList for an array.
    ScanError setOption(const QString &name, const QVariant &value);
    // The option's value (bool, int, double or QString); invalid when it has none.
    QVariant option(const QString &name) const;

    // Every option the device describes, in its order, with its value.
    QList<ScanOption> options() const;
    // Resolution the next scan uses, in dots per inch; 0 when the device has none.
    double resolution() const;
    // Sets the scan area to the largest the geometry options allow.
    ScanError coverWholeBed();

private:
    int optionIndex(const QString &name) const;

    const SaneApi &m_api;
    SANE_Handle m_handle;
    ScanDevice m_info;
};

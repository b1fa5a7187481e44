// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/SaneDevice.h"

#include "copyjob/scan/sane/SaneOptions.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cstring>
#include <vector>

bool isNetworkDevice(const QString &saneName)
{
    // The first backends reach devices only over a network; the others
    // either way, and say it in the name.
    static const char *const networkPrefixes[] = {
        "net:",           "airscan:",     "escl:",         "dell1600n_net:",
        "epson2:net:",    "epsonds:net:", "epkowa:net:",   "kodakaio:net:",
        "magicolor:net:", "hpaio:/net/",  "xerox_mfp:tcp "};
    for (const char *prefix : networkPrefixes)
        if (saneName.startsWith(QLatin1String(prefix)))
            return true;
    // Brother's own backends: "brother4:net1;dev0" against "brother4:bus2;dev1".
    const qsizetype colon = saneName.indexOf(u':');
    if (saneName.startsWith(QLatin1String("brother")) &&
        saneName.mid(colon + 1).startsWith(QLatin1String("net")))
        return true;
    // A USB device is "pixma:" with its vendor and product ids ("04A91709_"), a
    // network one with its model and address ("MF4800_192.168.1.45").
    if (!saneName.startsWith(QLatin1String("pixma:")))
        return false;
    const QString ids = saneName.mid(6, 9);
    bool hex = false;
    ids.left(8).toUInt(&hex, 16);
    return !(hex && ids.size() == 9 && ids.endsWith(u'_'));
}

ScanDevice scanDeviceOf(const SANE_Device &device)
{
    const QString name = QString::fromUtf8(device.name);
    return {name, QString::fromUtf8(device.vendor), QString::fromUtf8(device.model),
            QString::fromUtf8(device.type), isNetworkDevice(name)};
}

SaneDevice::SaneDevice(const SaneApi &api, SANE_Handle handle, ScanDevice info)
    : m_api(api), m_handle(handle), m_info(std::move(info))
{}

SaneDevice::~SaneDevice()
{
    if (m_handle)
        m_api.close(m_handle);
}

int SaneDevice::optionIndex(const QString &name) const
{
    const QByteArray wanted = name.toUtf8();
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, i);
        if (!d)
            return -1;
        if (d->name && wanted == d->name)
            return i;
    }
}

ScanError SaneDevice::setOption(const QString &name, const QVariant &value)
{
    return writeScanOption(m_api, m_handle, name, value);
}

QVariant SaneDevice::option(const QString &name) const
{
    const int index = optionIndex(name);
    if (index < 0)
        return {};
    const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, index);
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || d->size <= 0)
        return {};
    std::vector<char> buffer(size_t(d->size) + 1, '\0');
    if (m_api.control_option(m_handle, index, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) !=
        SANE_STATUS_GOOD)
        return {};
    SANE_Word word = 0;
    std::memcpy(&word, buffer.data(), std::min<size_t>(sizeof word, buffer.size()));
    switch (d->type) {
    case SANE_TYPE_BOOL:
        return word == SANE_TRUE;
    case SANE_TYPE_INT:
        return int(word);
    case SANE_TYPE_FIXED:
        return SANE_UNFIX(word);
    case SANE_TYPE_STRING:
        return QString::fromUtf8(buffer.data());
    default:
        return {};
    }
}

QList<ScanOption> SaneDevice::options() const
{
    return readScanOptions(m_api, m_handle);
}

double SaneDevice::resolution() const
{
    QVariant value = option(QStringLiteral(SANE_NAME_SCAN_RESOLUTION));
    if (!value.isValid())
        value = option(QStringLiteral(SANE_NAME_SCAN_Y_RESOLUTION));
    return value.isValid() ? value.toDouble() : 0.0;
}

ScanError SaneDevice::coverWholeBed()
{
    // The top-left corner goes to each range's minimum, the bottom-right to its maximum.
    const struct
    {
        const char *name;
        bool toMax;
    } corners[] = {{SANE_NAME_SCAN_TL_X, false},
                   {SANE_NAME_SCAN_TL_Y, false},
                   {SANE_NAME_SCAN_BR_X, true},
                   {SANE_NAME_SCAN_BR_Y, true}};
    for (const auto &corner : corners) {
        const int index = optionIndex(QString::fromLatin1(corner.name));
        if (index < 0)
            continue;
        const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, index);
        if (d->constraint_type != SANE_CONSTRAINT_RANGE || !SANE_OPTION_IS_ACTIVE(d->cap) ||
            !SANE_OPTION_IS_SETTABLE(d->cap))
            continue;
        SANE_Word word = corner.toMax ? d->constraint.range->max : d->constraint.range->min;
        const SANE_Status status =
            m_api.control_option(m_handle, index, SANE_ACTION_SET_VALUE, &word, nullptr);
        if (status != SANE_STATUS_GOOD)
            return saneFailure(status);
    }
    return {};
}

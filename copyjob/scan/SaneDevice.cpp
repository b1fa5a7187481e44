// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/SaneDevice.h"

#include <sane/saneopts.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Scanner", text);
}

double wordValue(const SANE_Option_Descriptor *d, SANE_Word word)
{
    return d->type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

} // namespace

QString SaneDeviceInfo::displayName() const
{
    QString label = QStringLiteral("%1 %2").arg(vendor, model).simplified();
    if (label.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(label, name);
}

SaneDevice::SaneDevice(const SaneApi &api, SANE_Handle handle, SaneDeviceInfo info)
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

Outcome SaneDevice::setOption(const QString &name, const QVariant &value)
{
    const int index = optionIndex(name);
    if (index < 0)
        return Outcome::failure(tr("The scanner has no setting “%1”.").arg(name));
    const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, index);
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap))
        return Outcome::failure(tr("The scanner's setting “%1” cannot be changed now.").arg(name));

    SANE_Status status = SANE_STATUS_GOOD;
    SANE_Int info = 0;
    switch (d->type) {
    case SANE_TYPE_BOOL:
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED: {
        SANE_Word word = 0;
        if (d->type == SANE_TYPE_BOOL) {
            word = value.toBool() ? SANE_TRUE : SANE_FALSE;
        } else if (d->type == SANE_TYPE_INT) {
            word = SANE_Word(std::lround(value.toDouble()));
        } else {
            word = SANE_FIX(value.toDouble());
        }
        // An array option gets the value in every element.
        std::vector<SANE_Word> words(std::max<size_t>(1, size_t(d->size) / sizeof(SANE_Word)),
                                     word);
        status = m_api.control_option(m_handle, index, SANE_ACTION_SET_VALUE, words.data(), &info);
        break;
    }
    case SANE_TYPE_STRING: {
        std::vector<char> text(size_t(std::max<SANE_Int>(d->size, 1)), '\0');
        const QByteArray utf8 = value.toString().toUtf8();
        std::memcpy(text.data(), utf8.constData(), std::min<size_t>(utf8.size(), text.size() - 1));
        status = m_api.control_option(m_handle, index, SANE_ACTION_SET_VALUE, text.data(), &info);
        break;
    }
    case SANE_TYPE_BUTTON:
        status = m_api.control_option(m_handle, index, SANE_ACTION_SET_VALUE, nullptr, &info);
        break;
    default:
        return Outcome::failure(tr("The scanner's setting “%1” cannot be set.").arg(name));
    }
    if (status != SANE_STATUS_GOOD)
        return Outcome::failure(
            tr("The scanner refused the setting “%1”: %2").arg(name, saneStatusMessage(status)));
    return Outcome::success();
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
    QList<ScanOption> options;
    QString group;
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, i);
        if (!d)
            return options;
        ScanOption o;
        o.name = QString::fromUtf8(d->name ? d->name : "");
        o.title = QString::fromUtf8(d->title ? d->title : "");
        o.description = QString::fromUtf8(d->desc ? d->desc : "");
        static const ScanOption::Type types[] = {ScanOption::Type::Bool,   ScanOption::Type::Int,
                                                 ScanOption::Type::Fixed,  ScanOption::Type::String,
                                                 ScanOption::Type::Button, ScanOption::Type::Group};
        o.type =
            d->type >= 0 && d->type <= SANE_TYPE_GROUP ? types[d->type] : ScanOption::Type::Button;
        if (o.type == ScanOption::Type::Group) {
            group = o.title;
            o.group = group;
            options << o;
            continue;
        }
        o.group = group;
        o.unit = d->unit;
        o.capabilities = d->cap;
        o.count = (o.type == ScanOption::Type::Int || o.type == ScanOption::Type::Fixed)
                      ? std::max<int>(1, d->size / int(sizeof(SANE_Word)))
                      : 1;
        if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
            o.constraint = ScanOption::Constraint::Range;
            o.minimum = wordValue(d, d->constraint.range->min);
            o.maximum = wordValue(d, d->constraint.range->max);
            o.quant = wordValue(d, d->constraint.range->quant);
        } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
            o.constraint = ScanOption::Constraint::WordList;
            for (SANE_Word k = 1; k <= d->constraint.word_list[0]; ++k)
                o.words << wordValue(d, d->constraint.word_list[k]);
        } else if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST && d->constraint.string_list) {
            o.constraint = ScanOption::Constraint::StringList;
            for (const SANE_String_Const *s = d->constraint.string_list; *s; ++s)
                o.strings << QString::fromUtf8(*s);
        }
        if (o.count == 1 && !o.name.isEmpty())
            o.value = option(o.name);
        options << o;
    }
}

double SaneDevice::resolution() const
{
    QVariant value = option(QStringLiteral(SANE_NAME_SCAN_RESOLUTION));
    if (!value.isValid())
        value = option(QStringLiteral(SANE_NAME_SCAN_Y_RESOLUTION));
    return value.isValid() ? value.toDouble() : 0.0;
}

Outcome SaneDevice::coverWholeBed()
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
            return Outcome::failure(saneStatusMessage(status));
    }
    return Outcome::success();
}

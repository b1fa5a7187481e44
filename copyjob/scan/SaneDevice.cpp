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

QStringList SaneDevice::stringChoices(const QString &name) const
{
    QStringList choices;
    const int index = optionIndex(name);
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, index);
    if (d->type != SANE_TYPE_STRING || d->constraint_type != SANE_CONSTRAINT_STRING_LIST ||
        !SANE_OPTION_IS_ACTIVE(d->cap))
        return choices;
    for (const SANE_String_Const *s = d->constraint.string_list; s && *s; ++s)
        choices << QString::fromUtf8(*s);
    return choices;
}

QList<int> SaneDevice::resolutionChoices() const
{
    QList<int> choices;
    const int index = optionIndex(QStringLiteral(SANE_NAME_SCAN_RESOLUTION));
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor *d = m_api.get_option_descriptor(m_handle, index);
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED))
        return choices;
    if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *list = d->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i) {
            const int dpi = int(std::lround(wordValue(d, list[i])));
            if (dpi > 0 && !choices.contains(dpi))
                choices << dpi;
        }
    } else if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        const double lo = wordValue(d, d->constraint.range->min);
        const double hi = wordValue(d, d->constraint.range->max);
        for (int dpi : {75, 100, 150, 200, 300, 400, 600, 1200, 2400, 4800})
            if (dpi >= lo && dpi <= hi)
                choices << dpi;
        if (choices.isEmpty()) {
            choices << int(std::ceil(lo));
            if (int(hi) > choices.first())
                choices << int(hi);
        }
    } else {
        const QVariant current = option(QStringLiteral(SANE_NAME_SCAN_RESOLUTION));
        if (current.isValid())
            choices << int(std::lround(current.toDouble()));
    }
    std::sort(choices.begin(), choices.end());
    return choices;
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

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/SaneOptions.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

ScanOption::Unit unitOf(SANE_Unit unit)
{
    using Unit = ScanOption::Unit;
    switch (unit) {
    case SANE_UNIT_PIXEL:
        return Unit::Pixel;
    case SANE_UNIT_BIT:
        return Unit::Bit;
    case SANE_UNIT_MM:
        return Unit::Millimetre;
    case SANE_UNIT_DPI:
        return Unit::Dpi;
    case SANE_UNIT_PERCENT:
        return Unit::Percent;
    case SANE_UNIT_MICROSECOND:
        return Unit::Microsecond;
    default:
        return Unit::None;
    }
}

ScanOption::Capabilities capabilitiesOf(SANE_Int cap)
{
    using Capability = ScanOption::Capability;
    ScanOption::Capabilities capabilities;
    capabilities.setFlag(Capability::Settable, cap & SANE_CAP_SOFT_SELECT);
    capabilities.setFlag(Capability::SetOnDevice, cap & SANE_CAP_HARD_SELECT);
    capabilities.setFlag(Capability::Inactive, cap & SANE_CAP_INACTIVE);
    capabilities.setFlag(Capability::Advanced, cap & SANE_CAP_ADVANCED);
    return capabilities;
}

ScanOption::Type typeOf(SANE_Value_Type type)
{
    switch (type) {
    case SANE_TYPE_BOOL:
        return ScanOption::Type::Bool;
    case SANE_TYPE_INT:
        return ScanOption::Type::Int;
    case SANE_TYPE_FIXED:
        return ScanOption::Type::Fixed;
    case SANE_TYPE_STRING:
        return ScanOption::Type::String;
    case SANE_TYPE_BUTTON:
        return ScanOption::Type::Button;
    default:
        return ScanOption::Type::Group;
    }
}

double wordValue(const SANE_Option_Descriptor *d, SANE_Word word)
{
    return d->type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

QVariant plainValue(const SANE_Option_Descriptor *d, SANE_Word word)
{
    if (d->type == SANE_TYPE_BOOL)
        return word == SANE_TRUE;
    if (d->type == SANE_TYPE_FIXED)
        return SANE_UNFIX(word);
    return int(word);
}

SANE_Word deviceWord(const SANE_Option_Descriptor *d, const QVariant &value)
{
    if (d->type == SANE_TYPE_BOOL)
        return value.toBool() ? SANE_TRUE : SANE_FALSE;
    if (d->type == SANE_TYPE_FIXED)
        return SANE_FIX(value.toDouble());
    return SANE_Word(std::lround(value.toDouble()));
}

QVariant readValue(const SaneApi &api, SANE_Handle handle, int index,
                   const SANE_Option_Descriptor *d)
{
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || !(d->cap & SANE_CAP_SOFT_DETECT) || d->size <= 0 ||
        d->type == SANE_TYPE_BUTTON || d->type == SANE_TYPE_GROUP)
        return {};
    std::vector<SANE_Word> buffer(size_t(d->size) / sizeof(SANE_Word) + 2, 0);
    if (api.control_option(handle, index, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) !=
        SANE_STATUS_GOOD)
        return {};
    if (d->type == SANE_TYPE_STRING) {
        const char *text = reinterpret_cast<const char *>(buffer.data());
        return QString::fromUtf8(text, qsizetype(strnlen(text, size_t(d->size))));
    }
    const size_t count = std::max<size_t>(1, size_t(d->size) / sizeof(SANE_Word));
    if (count == 1)
        return plainValue(d, buffer[0]);
    QVariantList list;
    for (size_t i = 0; i < count; ++i)
        list << plainValue(d, buffer[i]);
    return list;
}

} // namespace

QList<ScanOption> readScanOptions(const SaneApi &api, SANE_Handle handle)
{
    QList<ScanOption> options;
    QString group;
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor *d = api.get_option_descriptor(handle, i);
        if (!d)
            break;
        if (d->type == SANE_TYPE_GROUP) {
            group = QString::fromUtf8(d->title ? d->title : "");
            continue;
        }
        if (!d->name || !*d->name)
            continue;
        ScanOption option;
        option.name = QString::fromUtf8(d->name);
        option.title = QString::fromUtf8(d->title ? d->title : d->name);
        option.description = QString::fromUtf8(d->desc ? d->desc : "");
        option.group = group;
        option.type = typeOf(d->type);
        option.unit = unitOf(d->unit);
        option.capabilities = capabilitiesOf(d->cap);
        if (d->type == SANE_TYPE_BOOL || d->type == SANE_TYPE_INT || d->type == SANE_TYPE_FIXED)
            option.count = std::max(1, int(size_t(d->size) / sizeof(SANE_Word)));
        switch (d->constraint_type) {
        case SANE_CONSTRAINT_RANGE:
            if (!d->constraint.range)
                break;
            option.constraint = ScanOption::Constraint::Range;
            option.minimum = wordValue(d, d->constraint.range->min);
            option.maximum = wordValue(d, d->constraint.range->max);
            option.quant = wordValue(d, d->constraint.range->quant);
            break;
        case SANE_CONSTRAINT_WORD_LIST:
            if (!d->constraint.word_list)
                break;
            option.constraint = ScanOption::Constraint::WordList;
            for (SANE_Word w = 1; w <= d->constraint.word_list[0]; ++w)
                option.words << wordValue(d, d->constraint.word_list[w]);
            break;
        case SANE_CONSTRAINT_STRING_LIST:
            if (!d->constraint.string_list)
                break;
            option.constraint = ScanOption::Constraint::StringList;
            for (const SANE_String_Const *s = d->constraint.string_list; *s; ++s)
                option.strings << QString::fromUtf8(*s);
            break;
        default:
            break;
        }
        if (option.name == QLatin1String(SANE_NAME_SCAN_MODE))
            for (const QString &mode : std::as_const(option.strings))
                option.kinds << pixelTypeOfMode(mode);
        option.value = readValue(api, handle, i, d);
        options << option;
    }
    return options;
}

ScanError writeScanOption(const SaneApi &api, SANE_Handle handle, const QString &name,
                          const QVariant &value, int *info)
{
    if (info)
        *info = 0;
    const QByteArray wanted = name.toUtf8();
    SANE_Int index = 1;
    const SANE_Option_Descriptor *d = nullptr;
    for (;; ++index) {
        d = api.get_option_descriptor(handle, index);
        if (!d)
            return ScanError::of(ScanError::Code::NoSuchSetting, {name});
        if (d->name && wanted == d->name)
            break;
    }
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap))
        return ScanError::of(ScanError::Code::SettingInactive, {name});

    SANE_Status status = SANE_STATUS_GOOD;
    SANE_Int answer = 0;
    switch (d->type) {
    case SANE_TYPE_BOOL:
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED: {
        const size_t count = std::max<size_t>(1, size_t(d->size) / sizeof(SANE_Word));
        const QVariantList given =
            value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList{value};
        if (given.isEmpty())
            return ScanError::of(ScanError::Code::SettingNeedsValue, {name});
        std::vector<SANE_Word> words(count);
        for (size_t i = 0; i < count; ++i)
            words[i] = deviceWord(d, given.value(qsizetype(i), given.last()));
        status = api.control_option(handle, index, SANE_ACTION_SET_VALUE, words.data(), &answer);
        break;
    }
    case SANE_TYPE_STRING: {
        std::vector<char> text(size_t(std::max<SANE_Int>(d->size, 1)), '\0');
        const QByteArray utf8 = value.toString().toUtf8();
        std::memcpy(text.data(), utf8.constData(), std::min<size_t>(utf8.size(), text.size() - 1));
        status = api.control_option(handle, index, SANE_ACTION_SET_VALUE, text.data(), &answer);
        break;
    }
    case SANE_TYPE_BUTTON:
        status = api.control_option(handle, index, SANE_ACTION_SET_VALUE, nullptr, &answer);
        break;
    default:
        return ScanError::of(ScanError::Code::SettingUnsettable, {name});
    }
    if (status != SANE_STATUS_GOOD) {
        ScanError refused = saneFailure(status);
        refused.code = ScanError::Code::SettingRefused;
        refused.args.prepend(name);
        return refused;
    }
    if (info)
        *info = answer;
    return {};
}

PixelTypes pixelTypeOfMode(const QString &mode)
{
    const auto names = [&mode](std::initializer_list<const char *> words) {
        return std::any_of(words.begin(), words.end(), [&mode](const char *word) {
            return mode.contains(QLatin1String(word), Qt::CaseInsensitive);
        });
    };
    if (names({SANE_VALUE_SCAN_MODE_COLOR, "colour"}))
        return PixelType::Colour;
    if (names({SANE_VALUE_SCAN_MODE_GRAY, "grey"}))
        return PixelType::Grey;
    if (names({SANE_VALUE_SCAN_MODE_LINEART, SANE_VALUE_SCAN_MODE_HALFTONE, "binary"}))
        return PixelType::LineArt;
    return {};
}

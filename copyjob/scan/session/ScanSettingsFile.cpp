// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanSettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace {

// A hand-edited count must not make a read run for ever.
constexpr int kMostDevices = 64;
constexpr int kMostOptions = 1000;

// A value that is text, as every value this file writes is; anything else
// (a list, or a type QSettings reads from "@..." text) is not ours.
QString textAt(const QSettings &file, const QString &key)
{
    const QVariant value = file.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// An entry of the array being read, counted or not: a file cut short loses
// the count, which QSettings writes after the entries.
bool present(QSettings &file, int index)
{
    file.setArrayIndex(index);
    return file.contains(QStringLiteral("name"));
}

// "left top width height" in millimetres, a real area or nothing.
QRectF areaFrom(const QString &text)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return {};
    double numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].toDouble(&ok);
        if (!ok || !std::isfinite(numbers[i]) || std::abs(numbers[i]) > 1e6)
            return {};
    }
    const QRectF area(numbers[0], numbers[1], numbers[2], numbers[3]);
    return area.width() > 0 && area.height() > 0 ? area : QRectF();
}

QString areaText(const QRectF &area)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(area.x(), 0, 'g', 12)
        .arg(area.y(), 0, 'g', 12)
        .arg(area.width(), 0, 'g', 12)
        .arg(area.height(), 0, 'g', 12);
}

ScanSettings readOptions(QSettings &file)
{
    ScanSettings options;
    const int count = file.beginReadArray(QStringLiteral("options"));
    for (int i = 0; i < kMostOptions && (i < count || present(file, i)); ++i) {
        file.setArrayIndex(i);
        const QString name = textAt(file, QStringLiteral("name"));
        const QVariant value = file.value(QStringLiteral("value"));
        if (name.isEmpty() || value.typeId() != QMetaType::QString)
            continue;
        options.removeIf([&](const auto &choice) { return choice.first == name; });
        options.append({name, value});
    }
    file.endArray();
    return options;
}

} // namespace

QString ScanSettingsFile::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Mirel/scanner.conf");
}

QString ScanSettingsFile::text(const QVariant &value)
{
    if (value.typeId() == QMetaType::QVariantList) {
        QStringList parts;
        for (const QVariant &part : value.toList())
            parts << text(part);
        return parts.join(u' ');
    }
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 12);
    return value.toString(); // bool as true or false
}

QString ScanSettingsFile::load(ScanMemory &memory) const
{
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile())
        return {};
    QSettings file(m_path, QSettings::IniFormat);
    // Another version's file is read as far as its keys mean what they mean here.
    const QString chosen = textAt(file, QStringLiteral("chosen"));
    const int count = file.beginReadArray(QStringLiteral("devices"));
    for (int i = 0; i < kMostDevices && (i < count || present(file, i)); ++i) {
        file.setArrayIndex(i);
        ScanDevice device{
            textAt(file, QStringLiteral("name")), textAt(file, QStringLiteral("vendor")),
            textAt(file, QStringLiteral("model")), textAt(file, QStringLiteral("type"))};
        if (device.name.isEmpty())
            continue;
        ScanMemory::DeviceChoices choices;
        choices.mode = textAt(file, QStringLiteral("mode"));
        bool ok = false;
        const int dpi = textAt(file, QStringLiteral("resolution")).toInt(&ok);
        choices.resolution = ok && dpi > 0 && dpi <= 100000 ? dpi : 0;
        choices.paperSize = textAt(file, QStringLiteral("paper"));
        choices.customArea = areaFrom(textAt(file, QStringLiteral("area")));
        choices.options = readOptions(file);
        choices.allSheets = textAt(file, QStringLiteral("allSheets")) != QLatin1String("false");
        memory.setIdentity(device);
        memory.setChoices(device.name, choices);
    }
    file.endArray();
    return chosen;
}

QString ScanSettingsFile::save(const ScanMemory &memory, const QString &chosen) const
{
    const auto cannot = [this](const QString &why) {
        return QCoreApplication::translate("Scanner",
                                           "The scanner's choices cannot be kept in %1: %2.")
            .arg(m_path.isEmpty() ? QStringLiteral("the configuration folder") : m_path, why);
    };
    if (m_path.isEmpty())
        return cannot(QStringLiteral("there is no home folder"));
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return cannot(QStringLiteral("its folder cannot be made"));
    QSettings file(m_path, QSettings::IniFormat);
    file.clear(); // what another version or a hand left there goes
    file.setValue(QStringLiteral("version"), kVersion);
    if (!chosen.isEmpty())
        file.setValue(QStringLiteral("chosen"), chosen);
    QStringList devices = memory.devices();
    std::sort(devices.begin(), devices.end());
    file.beginWriteArray(QStringLiteral("devices"), int(devices.size()));
    for (int i = 0; i < devices.size(); ++i) {
        file.setArrayIndex(i);
        const ScanDevice device = memory.identity(devices[i]);
        const ScanMemory::DeviceChoices choices = memory.choices(devices[i]);
        file.setValue(QStringLiteral("name"), device.name);
        file.setValue(QStringLiteral("vendor"), device.vendor);
        file.setValue(QStringLiteral("model"), device.model);
        file.setValue(QStringLiteral("type"), device.type);
        if (!choices.mode.isEmpty())
            file.setValue(QStringLiteral("mode"), choices.mode);
        if (choices.resolution > 0)
            file.setValue(QStringLiteral("resolution"), QString::number(choices.resolution));
        if (!choices.paperSize.isEmpty())
            file.setValue(QStringLiteral("paper"), choices.paperSize);
        if (!choices.customArea.isEmpty())
            file.setValue(QStringLiteral("area"), areaText(choices.customArea));
        if (!choices.allSheets) // on unless turned off, as for a device never seen
            file.setValue(QStringLiteral("allSheets"), QStringLiteral("false"));
        file.beginWriteArray(QStringLiteral("options"), int(choices.options.size()));
        for (int j = 0; j < choices.options.size(); ++j) {
            file.setArrayIndex(j);
            file.setValue(QStringLiteral("name"), choices.options[j].first);
            file.setValue(QStringLiteral("value"), text(choices.options[j].second));
        }
        file.endArray();
    }
    file.endArray();
    file.sync();
    if (file.status() == QSettings::AccessError)
        return cannot(QStringLiteral("the file cannot be written"));
    return {};
}

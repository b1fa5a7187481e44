// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanSettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

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

QString ScanSettingsFile::load(ScanMemory &memory)
{
    const QString chosen = readInto(m_path, memory);
    m_synced = entriesOf(memory);
    m_syncedChosen = chosen;
    return chosen;
}

QString ScanSettingsFile::readInto(const QString &path, ScanMemory &memory)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    // QSettings keeps a file it read and reads it again only when its size or
    // time changed: a copy of the bytes is read as they are now.
    QFile original(path);
    QTemporaryFile copy;
    if (!original.open(QIODevice::ReadOnly) || !copy.open() || copy.write(original.readAll()) < 0 ||
        !copy.flush())
        return {};
    QSettings file(copy.fileName(), QSettings::IniFormat);
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

ScanSettingsFile::Entries ScanSettingsFile::entriesOf(const ScanMemory &memory)
{
    Entries entries;
    for (const QString &name : memory.devices()) {
        const ScanDevice device = memory.identity(name);
        const ScanMemory::DeviceChoices choices = memory.choices(name);
        Entry &entry = entries[name];
        entry[QStringLiteral("name")] = device.name;
        entry[QStringLiteral("vendor")] = device.vendor;
        entry[QStringLiteral("model")] = device.model;
        entry[QStringLiteral("type")] = device.type;
        if (!choices.mode.isEmpty())
            entry[QStringLiteral("mode")] = choices.mode;
        if (choices.resolution > 0)
            entry[QStringLiteral("resolution")] = QString::number(choices.resolution);
        if (!choices.paperSize.isEmpty())
            entry[QStringLiteral("paper")] = choices.paperSize;
        if (!choices.customArea.isEmpty())
            entry[QStringLiteral("area")] = areaText(choices.customArea);
        if (!choices.allSheets) // on unless turned off, as for a device never seen
            entry[QStringLiteral("allSheets")] = QStringLiteral("false");
        const auto &options = choices.options;
        entry[QStringLiteral("options/size")] = QString::number(options.size());
        for (int j = 0; j < options.size(); ++j) {
            const QString at = QStringLiteral("options/%1/").arg(j + 1);
            entry[at + QStringLiteral("name")] = options[j].first;
            entry[at + QStringLiteral("value")] = text(options[j].second);
        }
    }
    return entries;
}

Outcome ScanSettingsFile::cannot(const QString &why) const
{
    //: %1 is the file (or the words "the configuration folder"), %2 the reason, a clause
    //: below.
    return Outcome::failure(
        QCoreApplication::translate("Scanner", "The scanner's choices cannot be kept in %1: %2.")
            .arg(m_path.isEmpty()
                     //: Stands as %1 in "The scanner's choices cannot be kept in %1: %2."
                     ? QCoreApplication::translate("Scanner", "the configuration folder")
                     : m_path,
                 why));
}

Outcome ScanSettingsFile::save(const ScanMemory &memory, const QString &chosen)
{
    if (m_path.isEmpty())
        //: Ends "The scanner's choices cannot be kept in %1: %2."
        return cannot(QCoreApplication::translate("Scanner", "there is no home folder"));
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        //: Ends "The scanner's choices cannot be kept in %1: %2."
        return cannot(QCoreApplication::translate("Scanner", "its folder cannot be made"));
    // Through a link, the file it leads to.
    const QFileInfo file(m_path);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite)))
        //: Ends "The scanner's choices cannot be kept in %1: %2."
        return cannot(QCoreApplication::translate("Scanner", "the file is read-only"));
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(5000))
        return cannot(lock.error() == QLockFile::LockFailedError
                          //: Ends "The scanner's choices cannot be kept in %1: %2."
                          ? QCoreApplication::translate("Scanner", "another Mirel keeps it locked")
                          //: Ends "The scanner's choices cannot be kept in %1: %2."
                          : QCoreApplication::translate("Scanner", "its lock file cannot be made"));
    ScanMemory now;
    const QString theirChosen = readInto(m_path, now);
    Entries merged = entriesOf(now);
    const Entries ours = entriesOf(memory);
    for (auto it = ours.cbegin(); it != ours.cend(); ++it)
        if (!merged.contains(it.key()) || m_synced.value(it.key()) != it.value())
            merged[it.key()] = it.value();
    // A device this run let go (known again under another name) goes, unless
    // the other changed it.
    for (auto it = m_synced.cbegin(); it != m_synced.cend(); ++it)
        if (!ours.contains(it.key()) && merged.value(it.key()) == it.value())
            merged.remove(it.key());
    const bool ourChoice = chosen != m_syncedChosen || theirChosen.isEmpty();
    const Outcome written = write(m_path, merged, ourChoice ? chosen : theirChosen);
    if (!written.ok)
        return cannot(written.message);
    m_synced = ours;
    m_syncedChosen = chosen;
    return written;
}

Outcome ScanSettingsFile::write(const QString &path, const Entries &devices, const QString &chosen)
{
    // QSettings writes the text into a file of its own; it reaches the real
    // one whole, through a link to its target, or not at all.
    QTemporaryFile scratch;
    if (!scratch.open())
        //: Ends "The scanner's choices cannot be kept in %1: %2."
        return Outcome::failure(
            QCoreApplication::translate("Scanner", "no temporary file can be made"));
    {
        QSettings file(scratch.fileName(), QSettings::IniFormat);
        file.setValue(QStringLiteral("version"), kVersion);
        if (!chosen.isEmpty())
            file.setValue(QStringLiteral("chosen"), chosen);
        file.beginWriteArray(QStringLiteral("devices"), int(devices.size()));
        int i = 0;
        for (const Entry &entry : devices) {
            file.setArrayIndex(i++);
            for (auto it = entry.cbegin(); it != entry.cend(); ++it)
                file.setValue(it.key(), it.value());
        }
        file.endArray();
        file.sync();
        if (file.status() != QSettings::NoError)
            //: Ends "The scanner's choices cannot be kept in %1: %2."
            return Outcome::failure(
                QCoreApplication::translate("Scanner", "no temporary file can be written"));
    }
    QFile text(scratch.fileName());
    QSaveFile out(path);
    if (!text.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
        out.write(text.readAll()) < 0 || !out.commit())
        //: Ends "The scanner's choices cannot be kept in %1: %2."
        return Outcome::failure(
            QCoreApplication::translate("Scanner", "the file cannot be written"));
    return Outcome::success();
}

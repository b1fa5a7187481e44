// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTextStream>

namespace {

QHash<int, QString> readStringTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/strings.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (tab > 0 && ok)
            table.insert(id, line.mid(tab + 1));
    }
    return table;
}

// The glyphs are plain 24-bit bottom-up bitmaps. Read here, they need no image
// reader, which would load every image plugin to find out who reads the type.
QImage readPlainBitmap(const QByteArray &file)
{
    const auto word = [&file](int at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(file[at + i]);
        return value;
    };
    if (file.size() < 54 || !file.startsWith("BM") || word(14, 4) < 40 || word(28, 2) != 24 ||
        word(30, 4) != 0)
        return {};
    const quint32 offset = word(10, 4), width = word(18, 4), height = word(22, 4);
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    if (width == 0 || width > 4096 || height == 0 || height > 4096 ||
        qint64(offset) + stride * height > file.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < int(height); ++y) {
        const char *row = file.constData() + offset + stride * (int(height) - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < int(width); ++x)
            out[x] = qRgb(quint8(row[3 * x + 2]), quint8(row[3 * x + 1]), quint8(row[3 * x]));
    }
    image.setDotsPerMeterX(int(word(38, 4)));
    image.setDotsPerMeterY(int(word(42, 4)));
    return image;
}

} // namespace

QString LoadResString(int id)
{
    static const QHash<int, QString> table = readStringTable();
    return table.value(id);
}

QImage LoadResPicture(int id)
{
    QFile file(QStringLiteral(":/glyphs/%1.bmp").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readPlainBitmap(file.readAll());
}

QIcon LoadAppIcon()
{
    // The images of mirel.ico as PNG, read as PNG: left to guess the format,
    // Qt would load every image plugin it has (and libjpeg) to ask each one.
    QIcon icon;
    for (const char *name : {":/icons/mirel-16.png", ":/icons/mirel-32.png"}) {
        QImageReader reader(QString::fromLatin1(name), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QFont DesignFont(int pointSize)
{
    // Asked for by the name the desktop resolves it to: a family Qt has to
    // substitute costs it a fallback search on every program start. Whoever
    // else asks for "MS Sans Serif" by name gets the same stand-in.
    static const QString family = [] {
        const QString design = QStringLiteral("MS Sans Serif");
        const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        QFont::insertSubstitution(design, sans);
        return QFontDatabase::families().contains(design, Qt::CaseInsensitive) ? design : sans;
    }();
    QFont font(family);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

// The string table. Each id names one of the design's texts; its English is
// the source the user's translation is looked up for, and the id itself is
// the disambiguation, so two ids with the same English stay two texts. The
// panel's captions are placed by pixel on a window that does not grow: each
// says how wide it may be.
const struct
{
    int id;
    struct
    {
        const char *source;
        const char *comment;
    } text;
} kStringTable[] = {
    //: A button on the copier panel, next to the copies display: at most 140 pixels wide
    //: at 8 pt (about 20 Latin letters). Shorten rather than overflow.
    {StringId::Copies, QT_TRANSLATE_NOOP3("StringTable", "Copies", "101")},
    //: A button on the copier panel, next to the scale display (print size in percent):
    //: at most 140 pixels wide at 8 pt (about 20 Latin letters).
    {StringId::Scale, QT_TRANSLATE_NOOP3("StringTable", "Scale", "102")},
    //: A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.
    {StringId::Darkness, QT_TRANSLATE_NOOP3("StringTable", "Darkness", "103")},
    //: A button on the copier panel that picks the scanner: at most 190 pixels wide at
    //: 8 pt (about 28 Latin letters).
    {StringId::SelectSource, QT_TRANSLATE_NOOP3("StringTable", "Select Source", "104")},
    //: The copier panel's big button that scans and prints: at most 105 pixels wide at
    //: 18 pt (about 7 Latin letters). One word, as on a photocopier.
    {StringId::Copy, QT_TRANSLATE_NOOP3("StringTable", "Copy", "105")},
    //: A switch on the copier panel: print at once on the default printer, without asking
    //: which. At most 190 pixels wide at 8 pt (about 28 Latin letters).
    {StringId::PrintToDefault, QT_TRANSLATE_NOOP3("StringTable", "Print to default", "106")},
    //: A switch on the copier panel: save the copy to a file instead of printing it. At
    //: most 190 pixels wide at 8 pt (about 28 Latin letters).
    {StringId::Save, QT_TRANSLATE_NOOP3("StringTable", "Save", "107")},
    //: The copier panel's button that ends the program: at most 85 pixels wide at 12 pt
    //: (about 8 Latin letters).
    {StringId::Exit, QT_TRANSLATE_NOOP3("StringTable", "Exit", "108")},
    //: The About box's description and the software centre's: at most three short lines.
    {StringId::AboutDescription,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Turns a scanner and a printer into a photocopier: one page scanned, "
                        "copied at the scale you set, or saved as a bitmap.",
                        "109")},
};

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
    for (const auto &entry : kStringTable)
        if (entry.id == id)
            return QCoreApplication::translate("StringTable", entry.text.source,
                                               entry.text.comment);
    return {};
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

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>

#include <fontconfig/fontconfig.h>

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

namespace {

const QString &designFamily()
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
    return family;
}

QString languageFamily; // SetDesignFontLanguage's choice; empty for the design's

QFontDatabase::WritingSystem writingSystemOf(QLocale::Script script)
{
    switch (script) {
    case QLocale::LatinScript:
        return QFontDatabase::Latin;
    case QLocale::CyrillicScript:
        return QFontDatabase::Cyrillic;
    case QLocale::GreekScript:
        return QFontDatabase::Greek;
    case QLocale::ArabicScript:
        return QFontDatabase::Arabic;
    case QLocale::HebrewScript:
        return QFontDatabase::Hebrew;
    case QLocale::JapaneseScript:
        return QFontDatabase::Japanese;
    case QLocale::SimplifiedHanScript:
        return QFontDatabase::SimplifiedChinese;
    case QLocale::TraditionalHanScript:
        return QFontDatabase::TraditionalChinese;
    case QLocale::KoreanScript:
        return QFontDatabase::Korean;
    case QLocale::ThaiScript:
        return QFontDatabase::Thai;
    default:
        return QFontDatabase::Any;
    }
}

// fontconfig's sans-serif for a language ("zh-cn"), as the desktop of a user
// of that language gets it; empty when no installed font writes it.
QString sansSerifFor(const QByteArray &language)
{
    const auto text = [](const char *s) { return reinterpret_cast<const FcChar8 *>(s); };
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, text("sans-serif"));
    FcPatternAddString(pattern, FC_LANG, text(language.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    QString family;
    FcChar8 *name = nullptr;
    FcLangSet *languages = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch &&
        FcPatternGetLangSet(match, FC_LANG, 0, &languages) == FcResultMatch &&
        FcLangSetHasLang(languages, text(language.constData())) != FcLangDifferentLang)
        family = QString::fromUtf8(reinterpret_cast<const char *>(name));
    if (match)
        FcPatternDestroy(match);
    return family;
}

} // namespace

void SetDesignFontLanguage(const QString &language)
{
    languageFamily.clear();
    if (language.isEmpty())
        return;
    const QFontDatabase::WritingSystem system = writingSystemOf(QLocale(language).script());
    if (system != QFontDatabase::Any &&
        !QFontDatabase::writingSystems(designFamily()).contains(system))
        languageFamily = sansSerifFor(QString(language).replace(u'_', u'-').toLower().toUtf8());
}

QFont DesignFont(int pointSize)
{
    QFont font(languageFamily.isEmpty() ? designFamily() : languageFamily);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

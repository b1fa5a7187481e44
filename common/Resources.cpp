// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
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

} // namespace

QString LoadResString(int id)
{
    static const QHash<int, QString> table = readStringTable();
    return table.value(id);
}

QImage LoadResPicture(int id)
{
    return QImage(QStringLiteral(":/glyphs/%1.bmp").arg(id));
}

QIcon LoadAppIcon()
{
    // The images of mirel.ico as PNG, which Qt reads without an image plugin.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/mirel-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/mirel-32.png"), QSize(32, 32));
    return icon;
}

QFont DesignFont(int pointSize)
{
    static const bool substituted = [] {
        const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), family);
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

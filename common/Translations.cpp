// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Translations.h"

#include "common/Resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

namespace {

// "de_DE" is found as mirel_de_DE.qm or mirel_de.qm.
QString catalogue(QString language, const QStringList &folders)
{
    for (; !language.isEmpty(); language = language.section(u'_', 0, -2))
        for (const QString &folder : folders)
            if (const QString file = folder + QStringLiteral("/mirel_%1.qm").arg(language);
                QFileInfo::exists(file))
                return file;
    return {};
}

// The drivers' words (gettext) in the language chosen, the user's own
// setting back where Mirel speaks English. gettext reads LANGUAGE, but not
// while the messages' locale is C, which C.UTF-8 (built into glibc) is not:
// a user whose locale is not set up still gets the language Qt chose.
void followInGettext(const QString &language)
{
    static const bool hadLanguage = qEnvironmentVariableIsSet("LANGUAGE");
    static const QByteArray userLanguage = qgetenv("LANGUAGE");
    static const QByteArray userMessages = std::setlocale(LC_MESSAGES, nullptr);
    if (!language.isEmpty())
        qputenv("LANGUAGE", language.toUtf8());
    else if (hadLanguage)
        qputenv("LANGUAGE", userLanguage);
    else
        qunsetenv("LANGUAGE");
    const bool plain = userMessages == "C" || userMessages == "POSIX";
    const QByteArray messages = plain && !language.isEmpty() ? "C.UTF-8" : userMessages;
    // Only a change of locale drops gettext's cached lookups: set it anew
    // through another.
    std::setlocale(LC_MESSAGES, messages == "C" ? "POSIX" : "C");
    std::setlocale(LC_MESSAGES, messages.constData());
}

} // namespace

QStringList TranslationFolders()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/" MIREL_TRANSLATIONS_DIR),
            dir + QStringLiteral("/translations")};
}

QString InstallTranslations(const QStringList &languages, const QStringList &folders)
{
    static QTranslator mirel;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&mirel);
    QCoreApplication::removeTranslator(&qt);
    QString chosen;
    bool english = languages.isEmpty();
    for (const QString &tag : languages) {
        const QString language = QString(tag).replace(u'-', u'_');
        if (language == u"C" || language == u"en" || language.startsWith(u"en_")) {
            english = true;
            break;
        }
        if (const QString file = catalogue(language, folders); mirel.load(file)) {
            QCoreApplication::installTranslator(&mirel);
            chosen = QFileInfo(file).completeBaseName().mid(6);
            break;
        }
    }
    const QString qtLanguage = !chosen.isEmpty() ? chosen : english ? QString() : languages.first();
    if (!qtLanguage.isEmpty() &&
        qt.load(QStringLiteral("qtbase_") + QString(qtLanguage).replace(u'-', u'_'),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    followInGettext(chosen);
    SetDesignFontLanguage(chosen);
    return chosen;
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/save/StackFiles.h"

#include "copyjob/save/BitmapFile.h"
#include "copyjob/stack/PageStack.h"
#include "copyjob/stack/StackPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

// Where the extension of the name's last part starts; -1 when it has none. A
// leading dot (".hidden") starts a name, not an extension.
qsizetype extensionAt(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > slash + 1 ? dot : -1;
}

// "The file "a.bmp" already exists", or several: the question names what
// would be lost, the first few by name.
QString replaceQuestion(const QStringList &existing)
{
    QStringList shown;
    for (const QString &path : existing.mid(0, 3))
        shown << u'"' + QFileInfo(path).fileName() + u'"';
    if (existing.size() == 1)
        //: %1 is a file's name in quotes.
        return QCoreApplication::translate("Saving", "The file %1 already exists. Replace it?")
            .arg(shown.first());
    const QString names = shown.join(QStringLiteral(", "));
    const int more = int(existing.size() - shown.size());
    if (more == 0)
        //: %1 is a list of two or three file names in quotes, separated by commas.
        return QCoreApplication::translate("Saving", "The files %1 already exist. Replace them?")
            .arg(names);
    //: %1 is a list of three file names in quotes, separated by commas; %n how many more
    //: files exist beside them.
    return QCoreApplication::translate(
               "Saving", "The files %1 and %n more already exist. Replace them?", nullptr, more)
        .arg(names);
}

bool mayReplace(const QStringList &names, const Confirm &confirm)
{
    QStringList existing;
    for (const QString &name : names)
        if (QFileInfo::exists(name))
            existing << name;
    return existing.isEmpty() || (confirm && confirm(replaceQuestion(existing)));
}

} // namespace

QStringList NumberedNames(const QString &typed, int count)
{
    QStringList names;
    if (count > 0)
        names << typed;
    const qsizetype dot = extensionAt(typed);
    const QString stem = dot < 0 ? typed : typed.left(dot);
    const QString extension = dot < 0 ? QString() : typed.mid(dot);
    for (int i = 2; i <= count; ++i)
        names << stem + u'-' + QString::number(i) + extension;
    return names;
}

Outcome SaveStack(const PageStack &stack, const QString &typed, StackFormat format,
                  const Confirm &confirm)
{
    if (stack.count() == 0)
        return Outcome::failure(QCoreApplication::translate(
            "Saving", "There is no scanned page, so nothing was saved."));
    if (format == StackFormat::Bitmaps) {
        QImage page;
        if (stack.count() == 1) {
            const Outcome read = stack.page(0, page);
            return read.ok ? SaveBitmapFile(page, typed) : read;
        }
        const QStringList names = NumberedNames(typed, stack.count());
        if (!mayReplace(names, confirm))
            return Outcome::success();
        for (int i = 0; i < stack.count(); ++i) {
            Outcome saved = stack.page(i, page);
            if (saved.ok)
                saved = SaveBitmapFile(page, names.at(i));
            if (!saved.ok) {
                if (i > 0)
                    saved.message +=
                        u' ' +
                        (i == 1 ? QCoreApplication::translate("Saving",
                                                              "Only the first page was saved.")
                                //: %n is two or more.
                                : QCoreApplication::translate(
                                      "Saving", "Only the first %n pages were saved.", nullptr, i));
                return saved;
            }
        }
        return Outcome::success();
    }

    const QString name =
        extensionAt(typed) < 0 && !typed.endsWith(u'/') ? typed + QStringLiteral(".pdf") : typed;
    if (!mayReplace({name}, confirm))
        return Outcome::success();
    const auto failed = [&](const QString &reason) { return SaveFailure(name, reason); };
    // An existing file is replaced only by a complete new one.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return failed(WriteFailureReason(file));
    errno = 0;
    const Outcome written = WriteStackPdf(file, stack, 100, nullptr);
    if (!written.ok || !file.flush()) {
        const QString reason = WriteFailureReason(file, errno);
        const bool fileFailed = file.error() != QFileDevice::NoError || written.ok;
        file.cancelWriting();
        return failed(fileFailed ? reason : written.message);
    }
    if (!file.commit())
        return failed(WriteFailureReason(file));
    return Outcome::success();
}

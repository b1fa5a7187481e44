// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/stack/PageStack.h"

#include "copyjob/pdf/PdfWriting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

namespace {

// What the user can act on: a disk that is full, or a quota or file size
// limit reached, are all "no room".
Outcome keepFailure(int error, const QString &fallback = {})
{
    if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        return Outcome::failure(
            QCoreApplication::translate(
                "PageStack", "There is not enough room on the disk to keep the scanned pages."),
            Outcome::Code::DiskFull);
    const QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : fallback;
    return Outcome::failure(
        //: %1 is the system's reason.
        QCoreApplication::translate(
            "PageStack", "The scanned pages could not be kept in the temporary folder: %1.")
            .arg(reason));
}

// When the process started, in clock ticks since boot (the 22nd field of its
// stat); -1 when it does not run. With the pid it names one process for
// good: a pid used again names another start.
qint64 processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The name in brackets may hold spaces and brackets of its own.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    bool ok = false;
    const qint64 start = fields.value(19).toLongLong(&ok);
    return ok ? start : -1;
}

// "mirel-pages-PID-START-": the spools of this very process.
QString ownSpoolPrefix()
{
    const qint64 pid = ::getpid();
    return PageStack::spoolPrefix() + QStringLiteral("%1-%2-").arg(pid).arg(processStart(pid));
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

qint64 rowBytes(const StackPage &page)
{
    const int bits = page.samples == PageSamples::Bits   ? 1
                     : page.samples == PageSamples::Grey ? 8
                                                         : 24;
    return (qint64(page.width) * bits + 7) / 8;
}

} // namespace

PageStack::PageStack()
{
    // Each copy makes a stack: what a Mirel that was killed left goes now.
    sweepStaleSpools();
}

PageStack::~PageStack()
{
    // The folder goes only once nothing writes into it.
    if (m_spooling.valid())
        m_spooling.wait();
}

QString PageStack::directory() const
{
    return m_dir ? m_dir->path() : QString();
}

QString PageStack::spoolFolder()
{
    // On disk: the temporary folder is memory on many desktops, where a long
    // colour stack would take the machine's.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QStringLiteral("/var/tmp") : cache;
}

void PageStack::sweepStaleSpools()
{
    const QString folder = spoolFolder();
    const QStringList spools =
        QDir(folder).entryList({spoolPrefix() + '*'}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : spools) {
        const QStringList part = name.mid(spoolPrefix().size()).split(u'-');
        bool numbered = false;
        const qint64 pid = part.value(0).toLongLong(&numbered);
        // Another user's spools (in /var/tmp) are not ours to judge.
        const QString path = folder + u'/' + name;
        if (!numbered || part.size() < 3 || QFileInfo(path).ownerId() != ::getuid())
            continue;
        if (processStart(pid) != part.value(1).toLongLong())
            QDir(path).removeRecursively();
    }
}

Outcome PageStack::refuse(const Outcome &why) const
{
    m_failure = why;
    return why;
}

void PageStack::settle() const
{
    if (!m_spooling.valid())
        return;
    for (const Spooled &kept : m_spooling.get()) {
        if (!kept.error.ok) {
            // The pages from the one that failed are lost; a first page
            // that failed is still held whole.
            m_failure = kept.error;
            m_pages.resize(qMax(kept.index, 1));
            break;
        }
        m_pages[kept.index].file = kept.file;
        m_pages[kept.index].length = kept.length;
        if (kept.index == 0)
            m_held = QImage();
    }
}

Outcome PageStack::ready(int index) const
{
    if (index >= m_spoolingFrom)
        settle();
    if (index >= 0 && index < m_pages.size())
        return Outcome::success();
    return m_failure.ok ? Outcome::failure({}) : m_failure;
}

Outcome PageStack::takePage(const QImage &page)
{
    // One page compressed at a time: the one before is done first.
    settle();
    if (!m_failure.ok)
        return m_failure;
    if (page.isNull())
        return Outcome::failure(QCoreApplication::translate(
            "PageStack", "The scanner gave an empty page, so it could not be kept."));
    StackPage description;
    description.width = page.width();
    description.height = page.height();
    description.samples = PageSamplesOf(page);
    description.dotsPerMeterX = page.dotsPerMeterX();
    description.dotsPerMeterY = page.dotsPerMeterY();
    if (description.samples == PageSamples::Bits)
        description.colorTable = page.colorTable();
    if (m_pages.isEmpty()) {
        m_held = page;
        m_pages.append(description);
        return Outcome::success();
    }
    if (!m_dir) {
        errno = 0;
        QDir().mkpath(spoolFolder());
        // mkdtemp's 0700: nobody else reads a scanned page.
        auto dir =
            std::make_unique<QTemporaryDir>(spoolFolder() + u'/' + ownSpoolPrefix() + "XXXXXX");
        if (!dir->isValid())
            return refuse(keepFailure(errno, dir->errorString()));
        m_dir = std::move(dir);
    }
    // The first page goes to disk with the second; the thread has its own
    // references to the pictures, which nothing writes to meanwhile.
    const int index = int(m_pages.size());
    const bool withFirst = !m_held.isNull();
    m_pages.append(description);
    m_spoolingFrom = withFirst ? 0 : index;
    m_spooling = std::async(std::launch::async, [first = withFirst ? m_held : QImage(),
                                                 firstDescription = m_pages.first(), page,
                                                 description, index, folder = m_dir->path()] {
        QList<Spooled> kept;
        if (!first.isNull())
            kept << spool(first, 0, firstDescription, folder);
        if (kept.isEmpty() || kept.first().error.ok)
            kept << spool(page, index, description, folder);
        return kept;
    });
    return Outcome::success();
}

PageStack::Spooled PageStack::spool(const QImage &page, int index, const StackPage &description,
                                    const QString &folder)
{
    Spooled kept;
    kept.index = index;
    const QString path = folder + QString::asprintf("/page-%05d", index + 1);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        kept.error = keepFailure(errno);
        return kept;
    }
    int writeError = 0;
    qint64 length = 0;
    const bool deflated = DeflatePageSamples(
        page, description.samples,
        [&](const char *data, qint64 size) {
            if (writeAll(fd, data, size))
                return true;
            writeError = errno;
            return false;
        },
        length);
    // Some file systems tell of a full disk only when the file is closed.
    const bool closed = ::close(fd) == 0;
    if (!closed && writeError == 0)
        writeError = errno;
    if (!deflated || !closed) {
        ::unlink(name.constData());
        kept.error = writeError != 0
                         ? keepFailure(writeError)
                         //: Ends "The scanned pages could not be kept in the
                         //: temporary folder: %1."
                         : keepFailure(0, QCoreApplication::translate(
                                              "PageStack", "the page could not be compressed"));
        return kept;
    }
    kept.file = path;
    kept.length = length;
    return kept;
}

Outcome PageStack::page(int index, QImage &picture) const
{
    picture = QImage();
    if (Outcome kept = ready(index); !kept.ok)
        return kept;
    const StackPage &description = m_pages.at(index);
    if (description.file.isEmpty()) {
        picture = m_held;
        return Outcome::success();
    }
    const auto failed = [&](const QString &reason) {
        picture = QImage();
        //: %1 is the page's number; %2 the reason, a clause that ends the sentence.
        return Outcome::failure(
            QCoreApplication::translate("PageStack", "Scanned page %1 could not be read back: %2.")
                .arg(index + 1)
                .arg(reason));
    };
    const QImage::Format format = description.samples == PageSamples::Bits ? QImage::Format_Mono
                                  : description.samples == PageSamples::Grey
                                      ? QImage::Format_Grayscale8
                                      : QImage::Format_RGB888;
    picture = QImage(description.width, description.height, format);
    if (picture.isNull())
        //: Ends "Scanned page %1 could not be read back: %2."
        return failed(QCoreApplication::translate("PageStack", "there is not enough memory"));
    if (!description.colorTable.isEmpty())
        picture.setColorTable(description.colorTable);
    picture.setDotsPerMeterX(description.dotsPerMeterX);
    picture.setDotsPerMeterY(description.dotsPerMeterY);

    QFile file(description.file);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return failed(QCoreApplication::translate("PageStack", "there is not enough memory"));
    std::vector<char> input(256 * 1024);
    const qint64 bytes = rowBytes(description);
    QString why;
    for (int y = 0; why.isEmpty() && y < description.height; ++y) {
        zs.next_out = picture.scanLine(y);
        zs.avail_out = uInt(bytes);
        while (why.isEmpty() && zs.avail_out > 0) {
            if (zs.avail_in == 0) {
                const qint64 got = file.read(input.data(), qint64(input.size()));
                if (got <= 0) {
                    //: Ends "Scanned page %1 could not be read back: %2."
                    why = got < 0
                              ? file.errorString()
                              : QCoreApplication::translate("PageStack", "its file is cut short");
                    break;
                }
                zs.next_in = reinterpret_cast<Bytef *>(input.data());
                zs.avail_in = uInt(got);
            }
            const int status = inflate(&zs, Z_NO_FLUSH);
            if (status != Z_OK && !(status == Z_STREAM_END && zs.avail_out == 0))
                //: Ends "Scanned page %1 could not be read back: %2."
                why = QCoreApplication::translate("PageStack", "its file is damaged");
        }
    }
    inflateEnd(&zs);
    if (!why.isEmpty())
        return failed(why);
    return Outcome::success();
}

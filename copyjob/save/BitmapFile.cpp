// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/save/BitmapFile.h"

#include "common/PageSamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QIODevice>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <utility>
#include <vector>

namespace {

template <typename T> void put(std::vector<char> &out, T value)
{
    value = qToLittleEndian(value);
    const char *p = reinterpret_cast<const char *>(&value);
    out.insert(out.end(), p, p + sizeof(T));
}

// Red and blue swapped for a row of 8-bit RGB pixels, as BMP keeps blue,
// green, red. A scanned colour page is most of what is ever saved, so this runs
// five pixels at a time on one byte shuffle where the processor has one.
#if defined(__GNUC__) && defined(__x86_64__)
__attribute__((target_clones("ssse3", "default")))
#endif
void swapRedAndBlue(const uchar *src, uchar *out, int pixels)
{
    int x = 0;
#if defined(__GNUC__)
    using Bytes = uchar __attribute__((vector_size(16)));
    const Bytes order = {2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15};
    // Sixteen bytes are read and written for fifteen: the sixteenth is the next
    // pixel's first, written again by the next step or the tail.
    for (; x + 6 <= pixels; x += 5) {
        Bytes v;
        std::memcpy(&v, src + 3 * x, sizeof v);
        v = __builtin_shuffle(v, order);
        std::memcpy(out + 3 * x, &v, sizeof v);
    }
#endif
    for (; x < pixels; ++x) {
        out[3 * x] = src[3 * x + 2];
        out[3 * x + 1] = src[3 * x + 1];
        out[3 * x + 2] = src[3 * x];
    }
}

// One BMP row (without padding) from image row y.
void convertRow(const QImage &img, PageSamples samples, int y, char *row)
{
    auto *out = reinterpret_cast<uchar *>(row);
    if (samples == PageSamples::Rgb && img.format() == QImage::Format_RGB888)
        return swapRedAndBlue(img.constScanLine(y), out, img.width()); // a scanned colour page
    PageSampleRow(img, samples, y, out);
    if (samples == PageSamples::Rgb)
        for (int x = 0; x < img.width(); ++x)
            std::swap(out[3 * x], out[3 * x + 2]);
}

// A short write is tried again, so a full disk ends in an error the device
// records (Qt reports a partly written block as a short count, not an error).
bool writeAll(QIODevice &device, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

//: Ends "The copy could not be saved to "%1": %2" after a reason the system words; %1
//: is that reason, and the text is the language's full stop after it.
QString fullStop(const QString &clause)
{
    return QCoreApplication::translate("Saving", "%1.").arg(clause);
}

} // namespace

QString WriteFailureReason(const QFileDevice &file, int savedErrno)
{
    const QString qtReason = file.errorString();
    if (savedErrno != 0 && (qtReason.isEmpty() || qtReason == QLatin1String("Unknown error")))
        return fullStop(QString::fromLocal8Bit(std::strerror(savedErrno)));
    return fullStop(qtReason);
}

namespace {

// The file and info headers and the palette, for rows of stride bytes.
std::vector<char> bitmapHeader(const QImage &img, PageSamples samples, int bits, qint64 stride)
{
    const quint32 paletteSize = samples == PageSamples::Bits   ? 2
                                : samples == PageSamples::Grey ? 256
                                                               : 0;
    const qint64 offset = 14 + 40 + 4 * qint64(paletteSize);
    const qint64 imageSize = stride * img.height();
    std::vector<char> header;
    if (offset + imageSize > qint64(0xFFFFFFFFu))
        return header; // BMP sizes are 32-bit fields
    header.reserve(size_t(offset));
    header.push_back('B');
    header.push_back('M');
    put<quint32>(header, quint32(offset + imageSize));
    put<quint32>(header, 0);
    put<quint32>(header, quint32(offset));
    put<quint32>(header, 40);
    put<qint32>(header, img.width());
    put<qint32>(header, img.height()); // positive: rows run bottom-up
    put<quint16>(header, 1);
    put<quint16>(header, quint16(bits));
    put<quint32>(header, 0); // no compression
    put<quint32>(header, quint32(imageSize));
    put<qint32>(header, img.dotsPerMeterX());
    put<qint32>(header, img.dotsPerMeterY());
    put<quint32>(header, paletteSize);
    put<quint32>(header, 0);
    if (samples == PageSamples::Bits) {
        // Bit values keep their meaning from the image's own colour table.
        const QList<QRgb> table = img.colorTable();
        for (int i = 0; i < 2; ++i) {
            const QRgb c = i < table.size() ? table[i] : (i ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            put<quint32>(header, c & 0xFFFFFF);
        }
    } else if (samples == PageSamples::Grey) {
        for (quint32 i = 0; i < 256; ++i)
            put<quint32>(header, (i << 16) | (i << 8) | i);
    }
    return header;
}

// Rows go out in blocks of about a megabyte: a row at a time, a large page
// costs thousands of system calls. One block is written while the next is
// converted, so a large page takes about as long as its bytes take to reach
// the disk. Only one thread at a time uses the device.
bool writeRows(const QImage &img, PageSamples samples, qint64 stride, QIODevice &device)
{
    const qint64 rowsPerBlock = qMax<qint64>(1, (qint64(1) << 20) / stride);
    std::vector<char> blocks[2];
    for (std::vector<char> &b : blocks)
        b.assign(static_cast<size_t>(stride * rowsPerBlock), 0);
    const auto *file = qobject_cast<QFileDevice *>(&device);
    const int fd = file ? file->handle() : -1;
    std::thread writer;
    bool written = true;
    int writeErrno = 0;
    const auto finishWrite = [&] {
        if (writer.joinable())
            writer.join();
        return written;
    };
    int current = 0;
    qint64 filled = 0;
    for (int y = img.height() - 1; y >= 0; --y) {
        convertRow(img, samples, y, blocks[current].data() + filled);
        filled += stride;
        if (filled < qint64(blocks[current].size()) && y > 0)
            continue;
        if (!finishWrite())
            break;
        writer = std::thread([&, data = blocks[current].data(), size = filled] {
            errno = 0;
            written = writeAll(device, data, size);
            writeErrno = errno;
#ifdef __linux__
            // Start the block on its way to the disk now, so that the sync
            // that closes the file has little left to wait for.
            if (written && fd >= 0)
                sync_file_range(fd, device.pos() - size, size, SYNC_FILE_RANGE_WRITE);
#endif
        });
        current = 1 - current;
        filled = 0;
    }
    const bool ok = finishWrite();
    errno = writeErrno; // the caller words the reason from it
    return ok;
}

} // namespace

bool WriteBitmap(const QImage &img, QIODevice &device)
{
    if (img.isNull())
        return false;
    const PageSamples samples = PageSamplesOf(img);
    const int bits = samples == PageSamples::Bits ? 1 : samples == PageSamples::Grey ? 8 : 24;
    const qint64 stride = ((qint64(img.width()) * bits + 31) / 32) * 4;
    const std::vector<char> header = bitmapHeader(img, samples, bits, stride);
    if (header.empty() ||
        device.write(header.data(), qint64(header.size())) != qint64(header.size()))
        return false;
    return writeRows(img, samples, stride, device);
}

Outcome SaveFailure(const QString &fileName, const QString &reason)
{
    //: %1 is a file's name; %2 the reason, a clause that ends the sentence.
    return Outcome::failure(
        QCoreApplication::translate("Saving", "The copy could not be saved to \"%1\": %2")
            .arg(QDir::toNativeSeparators(fileName), reason));
}

Outcome SaveBitmapFile(const QImage &img, const QString &fileName)
{
    const auto failed = [&](const QString &reason) { return SaveFailure(fileName, reason); };
    if (img.isNull())
        //: Ends "The copy could not be saved to "%1": %2".
        return failed(QCoreApplication::translate("Saving", "there is no picture to save."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(WriteFailureReason(file));
    errno = 0;
    if (!WriteBitmap(img, file)) {
        const int writeErrno = errno;
        const QString reason = file.error() == QFileDevice::NoError
                                   //: Ends "The copy could not be saved to "%1": %2".
                                   ? fullStop(QCoreApplication::translate(
                                         "Saving", "the page is too large for a bitmap file"))
                                   : WriteFailureReason(file, writeErrno);
        file.cancelWriting();
        return failed(reason);
    }
    // Flushing here, not inside commit(), keeps the system's reason (a full
    // disk, say) in the error string.
    errno = 0;
    if (!file.flush()) {
        const QString reason = WriteFailureReason(file, errno);
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(WriteFailureReason(file));
    return Outcome::success();
}

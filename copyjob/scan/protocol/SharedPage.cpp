// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/protocol/SharedPage.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr int kSeals = F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE;

// Bits a pixel of the formats the assembler makes; 0 for any other.
int depthOf(int format)
{
    switch (QImage::Format(format)) {
    case QImage::Format_Mono:
        return 1;
    case QImage::Format_Grayscale8:
        return 8;
    case QImage::Format_Grayscale16:
        return 16;
    case QImage::Format_RGB888:
        return 24;
    case QImage::Format_RGBX64:
        return 64;
    default:
        return 0;
    }
}

// Bytes the page takes, or 0 when the header does not describe one.
qint64 pageBytes(const PageHeader &h)
{
    const int depth = depthOf(h.format);
    if (depth == 0 || h.width <= 0 || h.height <= 0 || h.bytesPerLine > (qint64(1) << 31) ||
        h.bytesPerLine < (qint64(h.width) * depth + 7) / 8)
        return 0;
    return h.bytesPerLine * h.height;
}

// The one image over a mapping, unmapped when the last copy of it goes. Over
// a read-only mapping the image is built on const data: anything that would
// write to it copies the page first.
QImage overMapping(void *data, size_t bytes, const PageHeader &h, bool writable)
{
    const auto unmap = [](void *info) {
        auto *mapping = static_cast<std::pair<void *, size_t> *>(info);
        munmap(mapping->first, mapping->second);
        delete mapping;
    };
    auto *info = new std::pair<void *, size_t>(data, bytes);
    const auto format = QImage::Format(h.format);
    QImage page = writable ? QImage(static_cast<uchar *>(data), h.width, h.height, h.bytesPerLine,
                                    format, unmap, info)
                           : QImage(static_cast<const uchar *>(data), h.width, h.height,
                                    h.bytesPerLine, format, unmap, info);
    if (page.isNull()) {
        unmap(info);
        return {};
    }
    if (format == QImage::Format_Mono)
        page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    page.setDotsPerMeterX(h.dotsPerMeterX);
    page.setDotsPerMeterY(h.dotsPerMeterY);
    return page;
}

} // namespace

QDataStream &operator<<(QDataStream &out, const PageHeader &h)
{
    return out << h.width << h.height << h.format << h.bytesPerLine << h.dotsPerMeterX
               << h.dotsPerMeterY;
}

QDataStream &operator>>(QDataStream &in, PageHeader &h)
{
    return in >> h.width >> h.height >> h.format >> h.bytesPerLine >> h.dotsPerMeterX >>
           h.dotsPerMeterY;
}

SharedPage::~SharedPage()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QImage SharedPage::allocate(int width, int height, QImage::Format format, qint64 bytesPerLine)
{
    const PageHeader header{width, height, int(format), bytesPerLine, 0, 0};
    const qint64 bytes = pageBytes(header);
    const int memfd = memfd_create("mirel-page", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (memfd < 0 || bytes <= 0 || ftruncate(memfd, bytes) != 0) {
        if (memfd >= 0)
            ::close(memfd);
        return {};
    }
    void *data = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, memfd, 0);
    if (data == MAP_FAILED) {
        ::close(memfd);
        return {};
    }
    {
        std::lock_guard guard(m_lock);
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = memfd;
    }
    return overMapping(data, size_t(bytes), header, true);
}

int SharedPage::take()
{
    int fd;
    {
        std::lock_guard guard(m_lock);
        fd = std::exchange(m_fd, -1);
    }
    if (fd >= 0 && fcntl(fd, F_ADD_SEALS, kSeals) == 0 && fcntl(fd, F_ADD_SEALS, F_SEAL_SEAL) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

QImage SharedPage::map(int fd, const PageHeader &header)
{
    const qint64 bytes = pageBytes(header);
    struct stat st
    {};
    const int seals = fd >= 0 ? fcntl(fd, F_GET_SEALS) : -1;
    if (bytes <= 0 || seals < 0 || (seals & kSeals) != kSeals || fstat(fd, &st) != 0 ||
        st.st_size < bytes)
        return {};
    void *data = mmap(nullptr, size_t(bytes), PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED)
        return {};
    return overMapping(data, size_t(bytes), header, false);
}

PageHeader SharedPage::headerOf(const QImage &page)
{
    return {page.width(),        page.height(),        int(page.format()),
            page.bytesPerLine(), page.dotsPerMeterX(), page.dotsPerMeterY()};
}

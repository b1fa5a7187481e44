// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/protocol/SharedPage.h"

#include <sys/mman.h>
#include <unistd.h>

#include <utility>

SharedPage::~SharedPage()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QImage SharedPage::allocate(int width, int height, QImage::Format format, qint64 bytesPerLine)
{
    const qint64 bytes = bytesPerLine * height;
    const int memfd = memfd_create("mirel-page", MFD_CLOEXEC);
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
    return QImage(
        static_cast<uchar *>(data), width, height, bytesPerLine, format,
        [](void *info) {
            auto *mapping = static_cast<std::pair<void *, size_t> *>(info);
            munmap(mapping->first, mapping->second);
            delete mapping;
        },
        new std::pair<void *, size_t>(data, size_t(bytes)));
}

int SharedPage::take()
{
    std::lock_guard guard(m_lock);
    return std::exchange(m_fd, -1);
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/ScanImageAssembler.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include <unistd.h>

namespace {

// Lines of a frame of unknown height are kept in blocks of about this size,
// so a long page never needs one huge buffer that has to be copied to grow.
constexpr qint64 kChunkBytes = 8 * 1024 * 1024;

int channelOf(SANE_Frame format)
{
    switch (format) {
    case SANE_FRAME_GREEN:
        return 1;
    case SANE_FRAME_BLUE:
        return 2;
    default:
        return 0;
    }
}

bool isSinglePass(SANE_Frame format)
{
    return format == SANE_FRAME_GRAY || format == SANE_FRAME_RGB;
}

inline bool bitAt(const unsigned char *src, qint64 bit)
{
    return (src[bit >> 3] >> (7 - (bit & 7))) & 1;
}

inline quint16 sampleAt(const unsigned char *src, qint64 index)
{
    quint16 value;
    std::memcpy(&value, src + 2 * index, sizeof value);
    return value;
}

} // namespace

ScanImageAssembler::ScanImageAssembler(qint64 memoryLimit)
    : m_memoryLimit(memoryLimit > 0 ? memoryLimit : physicalMemory())
{}

ScanImageAssembler::~ScanImageAssembler() = default;

qint64 ScanImageAssembler::physicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return qint64(4) << 30;
    return qint64(pages) * qint64(pageSize);
}

ScanError ScanImageAssembler::fail(ScanError::Code code, QStringList args, ScanStatus status)
{
    m_finished = true;
    m_complete = false;
    m_inFrame = false;
    m_image = QImage();
    m_chunks.clear();
    m_partial.clear();
    m_partial.shrink_to_fit();
    return {code, status, std::move(args)};
}

ScanError ScanImageAssembler::tooLarge(qint64 width, qint64 height, qint64 bytes)
{
    const QString mib = QString::number(bytes / (1024 * 1024));
    if (height > 0)
        return fail(ScanError::Code::TooLarge,
                    {QString::number(width), QString::number(height), mib});
    return fail(ScanError::Code::TooLargeHand, {QString::number(width), mib});
}

QImage::Format ScanImageAssembler::imageFormat() const
{
    if (m_threePass || m_params.format == SANE_FRAME_RGB)
        return m_firstDepth == 16 ? QImage::Format_RGBX64 : QImage::Format_RGB888;
    switch (m_firstDepth) {
    case 1:
        return QImage::Format_Mono;
    case 16:
        return QImage::Format_Grayscale16;
    default:
        return QImage::Format_Grayscale8;
    }
}

ScanError ScanImageAssembler::allocateImage(int width, int height)
{
    const QImage::Format format = imageFormat();
    const qint64 bits = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (qint64(width) * bits + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * qint64(height);
    if (bytes > m_memoryLimit)
        return tooLarge(width, height, bytes);
    m_image = m_allocator ? m_allocator(width, height, format, bytesPerLine)
                          : QImage(width, height, format);
    if (m_image.isNull())
        return tooLarge(width, height, bytes);
    if (format == QImage::Format_Mono)
        m_image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    m_height = height;
    return {};
}

ScanError ScanImageAssembler::beginFrame(const SANE_Parameters &p)
{
    if (m_finished)
        return ScanError::of(ScanError::Code::PageComplete);
    const bool first = m_image.isNull() && !m_chunked;
    const bool threePassFrame = !isSinglePass(p.format);

    if (p.format != SANE_FRAME_GRAY && p.format != SANE_FRAME_RGB && p.format != SANE_FRAME_RED &&
        p.format != SANE_FRAME_GREEN && p.format != SANE_FRAME_BLUE)
        return fail(ScanError::Code::UnknownFormat);
    if (p.depth != 1 && p.depth != 8 && p.depth != 16)
        return fail(ScanError::Code::UnreadableDepth, {QString::number(p.depth)});
    if (p.pixels_per_line <= 0 || p.lines == 0 || p.lines < -1)
        return fail(ScanError::Code::EmptyPicture);

    const qint64 channels = p.format == SANE_FRAME_RGB ? 3 : 1;
    const qint64 needed = (qint64(p.pixels_per_line) * channels * p.depth + 7) / 8;
    if (qint64(p.bytes_per_line) < needed)
        return fail(ScanError::Code::ShortLines);

    if (first) {
        m_threePass = threePassFrame;
        m_firstDepth = p.depth;
        m_width = p.pixels_per_line;
    } else {
        // Only the passes of a three-pass scan may follow a frame.
        if (!m_threePass || !threePassFrame)
            return fail(ScanError::Code::SecondPicture);
        if (p.pixels_per_line != m_width || p.depth != m_firstDepth ||
            (p.lines > 0 && m_height > 0 && p.lines != m_height))
            return fail(ScanError::Code::PassesDiffer);
    }

    m_params = p;
    m_frameIndex = channelOf(p.format);
    m_lineBytes = p.bytes_per_line;
    m_neededBytes = needed;
    m_linesInFrame = 0;
    m_partialFill = 0;

    if (first) {
        if (p.lines > 0) {
            const qint64 passes = m_threePass ? 3 : 1;
            m_expectedBytes = qint64(p.bytes_per_line) * p.lines * passes;
            ScanError allocated = allocateImage(m_width, p.lines);
            if (allocated)
                return allocated;
        } else {
            m_chunked = true;
        }
    }
    // One line as sent, to gather a line that arrives in pieces.
    if (m_lineBytes > m_memoryLimit)
        return tooLarge(m_width, p.lines, m_lineBytes);
    try {
        m_partial.assign(size_t(m_lineBytes), 0);
    } catch (const std::bad_alloc &) {
        return tooLarge(m_width, p.lines, m_lineBytes);
    }
    m_inFrame = true;
    if (m_chunked) {
        m_chunks.emplace_back();
        m_chunkFrameFormat.push_back(p.format);
    }
    return {};
}

ScanError ScanImageAssembler::storeLine(const unsigned char *line)
{
    if (m_chunked) {
        std::vector<Chunk> &chunks = m_chunks.back();
        const qint64 perChunk = std::max<qint64>(1, kChunkBytes / m_neededBytes);
        if (chunks.empty() || chunks.back().lines == perChunk) {
            m_chunkedBytes += perChunk * m_neededBytes;
            if (m_chunkedBytes > m_memoryLimit)
                return tooLarge(m_width, -1, m_chunkedBytes);
            Chunk chunk;
            chunk.data.reset(new (std::nothrow) unsigned char[size_t(perChunk * m_neededBytes)]);
            if (!chunk.data)
                return tooLarge(m_width, -1, m_chunkedBytes);
            chunks.push_back(std::move(chunk));
        }
        Chunk &chunk = chunks.back();
        std::memcpy(chunk.data.get() + chunk.lines * m_neededBytes, line, size_t(m_neededBytes));
        ++chunk.lines;
    } else if (m_linesInFrame < m_height) {
        convertLine(line, m_params.format, int(m_linesInFrame));
    }
    ++m_linesInFrame;
    return {};
}

ScanError ScanImageAssembler::addData(const unsigned char *data, qsizetype size)
{
    if (!m_inFrame)
        return fail(ScanError::Code::DataOutsidePicture);
    m_receivedBytes += size;
    while (size > 0) {
        if (m_partialFill == 0 && size >= m_lineBytes) {
            ScanError stored = storeLine(data);
            if (stored)
                return stored;
            data += m_lineBytes;
            size -= m_lineBytes;
            continue;
        }
        const qint64 take = std::min<qint64>(size, m_lineBytes - m_partialFill);
        std::memcpy(m_partial.data() + m_partialFill, data, size_t(take));
        m_partialFill += take;
        data += take;
        size -= take;
        if (m_partialFill == m_lineBytes) {
            m_partialFill = 0;
            ScanError stored = storeLine(m_partial.data());
            if (stored)
                return stored;
        }
    }
    return {};
}

void ScanImageAssembler::convertLine(const unsigned char *src, SANE_Frame format, int y)
{
    unsigned char *dst = m_image.scanLine(y);
    const qint64 w = m_width;
    const int depth = m_firstDepth;
    if (format == SANE_FRAME_GRAY || (format == SANE_FRAME_RGB && depth == 8)) {
        // The scanner's own layout is the image's: 1-bit with 1 as black
        // (the colour table says so), 8 or 16 bits grey, packed RGB.
        std::memcpy(dst, src, size_t(m_neededBytes));
        return;
    }
    if (format == SANE_FRAME_RGB && depth == 16) {
        auto *out = reinterpret_cast<QRgba64 *>(dst);
        for (qint64 x = 0; x < w; ++x)
            out[x] = QRgba64::fromRgba64(sampleAt(src, 3 * x), sampleAt(src, 3 * x + 1),
                                         sampleAt(src, 3 * x + 2), 0xffff);
        return;
    }
    if (format == SANE_FRAME_RGB) { // 1 bit per sample: a set bit is full intensity
        for (qint64 i = 0; i < 3 * w; ++i)
            dst[i] = bitAt(src, i) ? 255 : 0;
        return;
    }
    const int channel = channelOf(format);
    if (depth == 16) {
        auto *out = reinterpret_cast<quint16 *>(dst);
        for (qint64 x = 0; x < w; ++x) {
            out[4 * x + channel] = sampleAt(src, x);
            out[4 * x + 3] = 0xffff;
        }
    } else if (depth == 8) {
        for (qint64 x = 0; x < w; ++x)
            dst[3 * x + channel] = src[x];
    } else {
        for (qint64 x = 0; x < w; ++x)
            dst[3 * x + channel] = bitAt(src, x) ? 255 : 0;
    }
}

ScanError ScanImageAssembler::buildFromChunks()
{
    qint64 height = -1;
    for (const auto &frame : m_chunks) {
        qint64 lines = 0;
        for (const Chunk &chunk : frame)
            lines += chunk.lines;
        height = height < 0 ? lines : std::min(height, lines);
    }
    if (height <= 0)
        return fail(ScanError::Code::NoPicture);
    if (height > std::numeric_limits<int>::max())
        return tooLarge(m_width, height, m_chunkedBytes);
    ScanError allocated = allocateImage(m_width, int(height));
    if (allocated)
        return allocated;
    for (size_t f = 0; f < m_chunks.size(); ++f) {
        qint64 y = 0;
        for (Chunk &chunk : m_chunks[f]) {
            for (qint64 i = 0; i < chunk.lines && y < height; ++i, ++y)
                convertLine(chunk.data.get() + i * m_neededBytes, m_chunkFrameFormat[f], int(y));
            chunk.data.reset(); // give the memory back as the page fills
        }
    }
    m_chunks.clear();
    return {};
}

ScanError ScanImageAssembler::endFrame()
{
    if (!m_inFrame)
        return fail(ScanError::Code::EndNotBegun);
    m_inFrame = false;
    if (m_chunked) {
        if (m_linesInFrame == 0)
            return fail(ScanError::Code::NoPicture);
    } else if (m_linesInFrame < m_height) {
        return fail(ScanError::Code::DeviceStatus, {}, ScanStatus::EndOfFile);
    }
    if (m_threePass)
        m_passesSeen |= 1 << m_frameIndex;
    if (!m_params.last_frame)
        return {};
    if (m_threePass && m_passesSeen != 7)
        return fail(ScanError::Code::PassMissing);
    if (m_chunked) {
        ScanError built = buildFromChunks();
        if (built)
            return built;
    }
    if (m_dpi > 0) {
        const int dotsPerMetre = qRound(m_dpi / 0.0254);
        m_image.setDotsPerMeterX(dotsPerMetre);
        m_image.setDotsPerMeterY(dotsPerMetre);
    }
    m_partial.clear();
    m_partial.shrink_to_fit();
    m_finished = true;
    m_complete = true;
    return {};
}

QImage ScanImageAssembler::takeImage()
{
    if (!m_complete)
        return {};
    m_complete = false;
    return std::exchange(m_image, QImage());
}

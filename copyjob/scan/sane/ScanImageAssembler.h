// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanError.h"

#include <sane/sane.h>

#include <QImage>

#include <functional>
#include <memory>
#include <vector>

// Turns the frames a SANE scanner delivers into one QImage. Knows nothing of
// devices or widgets, so it can be fed hand-made buffers.
//
// Use: setResolution(), then for each frame beginFrame() with the parameters
// read after sane_start, addData() with every block sane_read returned, and
// endFrame() at SANE_STATUS_EOF. After the last frame, takeImage() gives the
// page. Any call may fail; the assembler is then finished and holds nothing.
//
// Formats: 1-bit grey (SANE: 1 is black) becomes Format_Mono; 8- and 16-bit
// grey become Grayscale8 and Grayscale16; 8-bit and 1-bit colour, single or
// three-pass, become RGB888; 16-bit colour becomes RGBX64. Padding at the end
// of a line is dropped. A frame of unknown height (lines == -1) is read until
// endFrame(). When the height is known the image is written in place, so the
// memory held is about the size of the page.
class ScanImageAssembler
{
public:
    // memoryLimit: the most bytes a page may take; 0 means the machine's
    // physical memory.
    explicit ScanImageAssembler(qint64 memoryLimit = 0);
    ~ScanImageAssembler();

    ScanImageAssembler(const ScanImageAssembler &) = delete;
    ScanImageAssembler &operator=(const ScanImageAssembler &) = delete;

    void setResolution(double dpi) { m_dpi = dpi; }

    // Makes the page's image; by default a QImage of its own. The scanner
    // helper puts it in memory it can hand to Mirel without a copy. A null
    // image means the memory could not be had.
    using Allocator =
        std::function<QImage(int width, int height, QImage::Format format, qint64 bytesPerLine)>;
    void setAllocator(Allocator allocator) { m_allocator = std::move(allocator); }

    ScanError beginFrame(const SANE_Parameters &parameters);
    ScanError addData(const unsigned char *data, qsizetype size);
    ScanError endFrame();

    // True once the last frame has ended with a whole page.
    bool isComplete() const { return m_complete; }
    QImage takeImage();

    // For progress: bytes expected for the whole page (-1 when unknown) and
    // bytes taken so far.
    qint64 expectedBytes() const { return m_expectedBytes; }
    qint64 receivedBytes() const { return m_receivedBytes; }

    static qint64 physicalMemory();

private:
    struct Chunk
    {
        std::unique_ptr<unsigned char[]> data;
        qint64 lines = 0;
    };

    ScanError fail(ScanError::Code code, QStringList args = {},
                   ScanStatus status = ScanStatus::Good);
    ScanError allocateImage(int width, int height);
    ScanError tooLarge(qint64 width, qint64 height, qint64 bytes);
    ScanError storeLine(const unsigned char *line);
    void convertLine(const unsigned char *src, SANE_Frame format, int y);
    QImage::Format imageFormat() const;
    ScanError buildFromChunks();

    qint64 m_memoryLimit = 0;
    double m_dpi = 0;
    Allocator m_allocator;

    SANE_Parameters m_params{};
    bool m_inFrame = false;
    bool m_threePass = false;
    bool m_finished = false;
    bool m_complete = false;
    int m_frameIndex = 0; // 0..2 for the colour of a three-pass frame
    int m_firstDepth = 0;
    int m_passesSeen = 0;     // bit per colour of a three-pass scan
    qint64 m_lineBytes = 0;   // bytes of a line as the scanner sends it
    qint64 m_neededBytes = 0; // of those, the bytes holding pixels
    qint64 m_linesInFrame = 0;
    std::vector<unsigned char> m_partial;
    qint64 m_partialFill = 0;

    QImage m_image;
    int m_width = 0;
    int m_height = -1; // -1 until known
    bool m_chunked = false;
    // Lines of frames whose height was not known, per frame, until the end.
    std::vector<std::vector<Chunk>> m_chunks;
    qint64 m_chunkedBytes = 0;
    std::vector<SANE_Frame> m_chunkFrameFormat;

    qint64 m_expectedBytes = -1;
    qint64 m_receivedBytes = 0;
};

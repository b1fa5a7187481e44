// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/SaneReader.h"

#include "copyjob/scan/sane/ScanImageAssembler.h"

#include <QThread>

#include <vector>

namespace {

constexpr unsigned long kSettleAfterErrorMsecs = 150;
// See run(): the tail of a frame small enough to sit whole in a pipe, and how
// long a reader thread is given to hand it over and end.
constexpr qint64 kFrameTailBytes = 64 * 1024;
constexpr unsigned long kLetReaderEndMsecs = 2;
// A backend that answers "good, no bytes" again and again (the net backend
// does once its server is gone) is given this pause between such reads, so
// it is not spun at full speed; the bytes counted stay put, which is how
// Mirel tells a stall from progress.
constexpr unsigned long kEmptyReadPauseMsecs = 5;

} // namespace

SaneReader::SaneReader(const SaneApi &api, SANE_Handle handle, double dpi, qint64 memoryLimit,
                       ScanImageAssembler::Allocator allocator, bool endScan)
    : m_api(api), m_handle(handle), m_dpi(dpi), m_memoryLimit(memoryLimit),
      m_allocator(std::move(allocator)), m_endScan(endScan)
{}

SaneReader::~SaneReader()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void SaneReader::start()
{
    m_thread = QThread::create([this] { run(); });
    connect(m_thread, &QThread::finished, this, &SaneReader::finished);
    m_thread->start();
}

bool SaneReader::isRunning() const
{
    return m_thread && !m_thread->isFinished();
}

bool SaneReader::wait(int msecs)
{
    return !m_thread || m_thread->wait(QDeadlineTimer(msecs));
}

void SaneReader::cancelNow()
{
    m_cancelRequested = true;
    if (!m_cancelCalled.exchange(true))
        m_api.cancel(m_handle);
}

void SaneReader::run()
{
    ScanImageAssembler assembler(m_memoryLimit);
    assembler.setResolution(m_dpi);
    assembler.setAllocator(m_allocator);
    std::vector<SANE_Byte> buffer(256 * 1024);
    bool lastFrame = false;
    bool started = false;
    SANE_Status failure = SANE_STATUS_GOOD;

    while (!lastFrame && !m_error && failure == SANE_STATUS_GOOD && !m_cancelRequested) {
        SANE_Parameters params{};
        failure = m_api.start(m_handle);
        started = started || failure == SANE_STATUS_GOOD;
        if (failure == SANE_STATUS_GOOD)
            failure = m_api.get_parameters(m_handle, &params);
        if (failure != SANE_STATUS_GOOD)
            break;
        // The parameters read after sane_start are the ones that hold.
        m_error = assembler.beginFrame(params);
        if (m_error)
            break;
        m_expected = assembler.expectedBytes();
        lastFrame = params.last_frame;
        failure = readFrame(assembler, params, buffer);
    }

    if (m_cancelRequested) {
        m_cancelled = true;
        m_error = ScanError::of(ScanError::Code::Cancelled);
    } else if (failure != SANE_STATUS_GOOD) {
        m_error = saneFailure(failure);
    } else if (!m_error && assembler.isComplete()) {
        m_image = assembler.takeImage();
    } else if (!m_error) {
        m_error = saneFailure(SANE_STATUS_EOF);
    }
    // An empty feeder, the end of every stack, is said by sane_start before
    // any reader was started: nothing to settle.
    const bool feederEmpty = failure == SANE_STATUS_NO_DOCS && !started;
    if (failure != SANE_STATUS_GOOD && !m_cancelRequested && !feederEmpty) {
        // The same asynchronous cancel, after a failure: cancelled while it
        // is still starting up (allocating, formatting a message) the reader
        // dies holding a libc lock. A device that just failed loses nothing
        // by being given a moment to settle first.
        QThread::msleep(kSettleAfterErrorMsecs);
    }
    m_status = failure;
    // Ends the scan in every case, a finished one included, as SANE asks;
    // within a batch, a whole page is the one case that leaves it open.
    if (!m_endScan && !m_image.isNull())
        return;
    if (!m_cancelCalled.exchange(true))
        m_api.cancel(m_handle);
}

SANE_Status SaneReader::readFrame(ScanImageAssembler &assembler, const SANE_Parameters &params,
                                  std::vector<SANE_Byte> &buffer)
{
    const qint64 frameBytes = params.lines > 0 ? qint64(params.bytes_per_line) * params.lines : -1;
    qint64 frameReceived = 0;
    bool tailWaited = false;
    int emptyReads = 0;
    while (!m_cancelRequested) {
        // Backends built on sanei_thread stop their reader thread with an
        // asynchronous pthread_cancel as soon as the last byte is read. If
        // that lands while the thread is still freeing its buffers, it dies
        // holding a libc lock and the program hangs later. Once the rest of
        // the frame fits in the pipe, a short pause lets the reader write it
        // and end before that read.
        if (!tailWaited && frameBytes > 0 && frameBytes - frameReceived <= kFrameTailBytes) {
            tailWaited = true;
            QThread::msleep(kLetReaderEndMsecs);
        }
        SANE_Int length = 0;
        const SANE_Status status =
            m_api.read(m_handle, buffer.data(), SANE_Int(buffer.size()), &length);
        if (status == SANE_STATUS_EOF) {
            m_error = assembler.endFrame();
            return SANE_STATUS_GOOD;
        }
        if (status != SANE_STATUS_GOOD)
            return status;
        if (length == 0) {
            if (++emptyReads > 1)
                QThread::msleep(kEmptyReadPauseMsecs);
            continue;
        }
        emptyReads = 0;
        frameReceived += length;
        m_error = assembler.addData(buffer.data(), length);
        m_received = assembler.receivedBytes();
        if (m_error)
            break;
    }
    return SANE_STATUS_GOOD;
}

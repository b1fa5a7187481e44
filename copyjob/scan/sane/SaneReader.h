// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanError.h"
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/sane/ScanImageAssembler.h"

#include <QImage>
#include <QObject>

#include <atomic>
#include <vector>

class QThread;

// One page read from an open SANE handle on a thread of its own, so the
// window keeps repainting and Cancel stays live while the scanner works.
// Everything but requestCancel() and cancelNow() is for the thread that made
// the job; the results are read after finished().
class SaneReader : public QObject
{
    Q_OBJECT
public:
    // memoryLimit as for ScanImageAssembler (0: the machine's memory).
    // endScan false for a sheet of a feeder's batch: a whole page leaves the
    // scan open for the next sheet (sane_cancel would end the batch, and
    // some feeders eject the rest of the stack); anything else still ends it.
    SaneReader(const SaneApi &api, SANE_Handle handle, double dpi, qint64 memoryLimit = 0,
               ScanImageAssembler::Allocator allocator = {}, bool endScan = true);
    ~SaneReader() override; // waits for the thread

    void start();
    bool isRunning() const;
    // Asks the reading thread to stop at its next block.
    void requestCancel() { m_cancelRequested = true; }
    // sane_cancel from this thread, for a device that does not hand back a
    // block: SANE allows it while sane_read waits elsewhere.
    void cancelNow();
    // Waits up to msecs for the thread; true when it has ended.
    bool wait(int msecs);

    // Bytes of the page read so far, and expected in all (-1 while unknown).
    qint64 receivedBytes() const { return m_received; }
    qint64 expectedBytes() const { return m_expected; }

    bool wasCancelled() const { return m_cancelled; }
    // What the device answered when it failed; GOOD otherwise.
    SANE_Status deviceStatus() const { return m_status; }
    // Why no page came; none when one did.
    const ScanError &error() const { return m_error; }
    QImage takeImage() { return std::exchange(m_image, QImage()); }

signals:
    void finished();

private:
    void run();
    // Reads one frame into the assembler: the device's failure, or GOOD when
    // the frame ended, the user cancelled or the assembler refused the data
    // (m_error says which).
    SANE_Status readFrame(ScanImageAssembler &assembler, const SANE_Parameters &params,
                          std::vector<SANE_Byte> &buffer);

    const SaneApi &m_api;
    SANE_Handle m_handle;
    double m_dpi;
    qint64 m_memoryLimit;
    ScanImageAssembler::Allocator m_allocator;
    bool m_endScan;
    QThread *m_thread = nullptr;

    std::atomic<bool> m_cancelRequested{false};
    std::atomic<bool> m_cancelCalled{false};
    std::atomic<qint64> m_expected{-1};
    std::atomic<qint64> m_received{0};

    // Written by the reading thread, read after it ended.
    bool m_cancelled = false;
    SANE_Status m_status = SANE_STATUS_GOOD;
    ScanError m_error;
    QImage m_image;
};

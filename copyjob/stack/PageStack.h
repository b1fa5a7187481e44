// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/PageSamples.h"
#include "common/PageSink.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <future>
#include <memory>

class QTemporaryDir;

// One page of a stack as the PDF writer copies it: the picture's form, and
// where its samples lie, deflated as a PDF image stream wants them.
struct StackPage
{
    int width = 0;
    int height = 0;
    PageSamples samples = PageSamples::Rgb;
    int dotsPerMeterX = 0;
    int dotsPerMeterY = 0;
    QList<QRgb> colorTable; // line art's two colours
    QString file;           // empty while the page is held in memory
    qint64 length = 0;      // bytes of the deflated stream in file
};

// The pages of one Copy, kept as they arrive. The first page stays in memory
// as it came, so a one-page copy costs nothing extra and is the very picture
// scanned. From the second page on, every page (the first included) goes to a
// file of its own in a private spool, as the deflated stream a PDF image
// takes: printing a stack then only copies bytes, and memory holds at most the
// page being taken and the first. The spool (0700, files 0600) lies in the
// user's cache folder, on disk where a temporary folder may be memory, and
// goes with the stack. Its name carries the owner's process, so a spool left
// by a Mirel that was killed is swept by the next stack made, and never one
// of a Mirel still running.
//
// A page is compressed on a thread of its own while the caller goes on: the
// scanner feeds the next sheet meanwhile, and a stack printed right after its
// last page is sent while that page is still being compressed. Whatever reads
// a page waits for it (ready()); a page that could not be kept is said there,
// or by the next takePage().
class PageStack : public PageSink
{
public:
    PageStack();
    ~PageStack() override;
    PageStack(const PageStack &) = delete;
    PageStack &operator=(const PageStack &) = delete;

    // Fails when this page or the one before could not be kept (DiskFull
    // for a disk without room); from then on the stack takes no more and
    // says the same again.
    Outcome takePage(const QImage &page) override;
    // Waits until page `index` is kept; fails when it could not be. The pages
    // from one that could not be kept are gone from the stack, and those
    // before it stay whole.
    Outcome ready(int index) const;
    // Why the stack took no more pages; a success while it takes them.
    Outcome refusal() const { return m_failure; }

    int count() const { return int(m_pages.size()); }
    // Whether the pages are the two sides of each sheet, front then back.
    bool duplex() const { return m_duplex; }
    void setDuplex(bool duplex) { m_duplex = duplex; }

    // Page `index` as a picture: line art (with its two colours), 8-bit grey
    // or 8-bit colour, as PageSamplesOf sorts the page taken, of the same size
    // and resolution; the picture itself while it is held in memory. Fails,
    // leaving `picture` null, when its file cannot be read back.
    Outcome page(int index, QImage &picture) const;
    // What page `index` is and where it is kept, once ready(index).
    const StackPage &description(int index) const { return m_pages.at(index); }
    // The page held in memory: the first, while nothing went to disk.
    const QImage &heldPage() const { return m_held; }

    // The private folder; empty until a page goes to disk.
    QString directory() const;
    // Where the spools are made, and the name's beginning that marks them.
    static QString spoolFolder();
    static QString spoolPrefix() { return QStringLiteral("mirel-pages-"); }
    // Removes the spools whose Mirel no longer runs.
    static void sweepStaleSpools();

private:
    struct Spooled
    {
        int index = 0;
        QString file;
        Outcome error;
        qint64 length = 0;
    };
    static Spooled spool(const QImage &page, int index, const StackPage &description,
                         const QString &folder);
    Outcome refuse(const Outcome &why) const;
    // Takes in what the compressing thread did, once it has done it.
    void settle() const;

    // Reading a page waits for the thread that keeps it, so these change
    // under const: the pages' files, the first page let go once on disk.
    mutable QList<StackPage> m_pages;
    mutable QImage m_held;
    mutable Outcome m_failure;
    mutable std::future<QList<Spooled>> m_spooling;
    int m_spoolingFrom = 0; // the first page it keeps
    std::unique_ptr<QTemporaryDir> m_dir;
    bool m_duplex = false;
};

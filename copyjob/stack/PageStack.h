// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/PageSamples.h"
#include "common/PageSink.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

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
// file of its own in a private folder under the system's temporary folder, as
// the deflated stream a PDF image takes: printing a stack then only copies
// bytes, and memory holds at most the page being taken and the first. The
// folder (0700, files 0600) goes with the stack, and being in the temporary
// folder, never lies among the user's files even if Mirel is killed.
class PageStack : public PageSink
{
public:
    PageStack();
    ~PageStack() override;
    PageStack(const PageStack &) = delete;
    PageStack &operator=(const PageStack &) = delete;

    // False, with the words, when the page could not be kept; from then on
    // the stack takes no more and says the same again.
    bool takePage(const QImage &page, QString *error) override;

    int count() const { return int(m_pages.size()); }
    // Whether the pages are the two sides of each sheet, front then back.
    bool duplex() const { return m_duplex; }
    void setDuplex(bool duplex) { m_duplex = duplex; }

    // Page `index` as a picture: line art (with its two colours), 8-bit grey
    // or 8-bit colour, as PageSamplesOf sorts the page taken, of the same size
    // and resolution; the picture itself while it is held in memory. Null,
    // with the words in `error`, when its file cannot be read back.
    QImage page(int index, QString *error) const;
    const StackPage &description(int index) const { return m_pages.at(index); }
    // The page held in memory: the first, while nothing went to disk.
    const QImage &heldPage() const { return m_held; }

    // The private folder; empty until a page goes to disk.
    QString directory() const;

private:
    bool spool(const QImage &page, int index, StackPage &description, QString *error);
    bool refuse(const QString &why, QString *error);

    QList<StackPage> m_pages;
    QImage m_held;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_failure;
    bool m_duplex = false;
};

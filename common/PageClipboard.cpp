// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PageClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPointer>

namespace {

const QString kQtImage = QStringLiteral("application/x-qt-image");

// Each standard type with the writer that encodes it; both keep every pixel.
struct Encoding
{
    QString mimeType;
    const char *format;
};
const Encoding kEncodings[] = {{QStringLiteral("image/png"), "png"},
                               {QStringLiteral("image/bmp"), "bmp"}};

} // namespace

PageMimeData::PageMimeData(const QImage &page) : m_page(page) {}

QStringList PageMimeData::formats() const
{
    QStringList types{kQtImage};
    for (const Encoding &encoding : kEncodings)
        types << encoding.mimeType;
    return types;
}

bool PageMimeData::hasFormat(const QString &mimeType) const
{
    return formats().contains(mimeType);
}

QVariant PageMimeData::retrieveData(const QString &mimeType, QMetaType type) const
{
    if (mimeType == kQtImage)
        return m_page;
    for (const Encoding &encoding : kEncodings) {
        if (mimeType != encoding.mimeType)
            continue;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, encoding.format);
        // A paste is waited for: the fastest deflate keeps it short.
        if (QByteArrayView(encoding.format) == "png")
            writer.setCompression(1);
        if (!writer.write(m_page))
            return {};
        return buffer.data();
    }
    return QMimeData::retrieveData(mimeType, type);
}

namespace {

// The page this program last put on the clipboard. Qt 6.4's Wayland clipboard
// never deletes what it was given once something else takes its place (its
// X11 clipboard does, as later Wayland ones do): such a page goes here, or
// every copy would keep the page before it in memory.
QPointer<QMimeData> g_page;

void dropReplacedPage()
{
    if (g_page && QGuiApplication::clipboard()->mimeData() != g_page)
        delete g_page.data();
}

} // namespace

void PutPageOnClipboard(const QImage &page)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    // Another program's copy, or anything else, takes its place too.
    static const bool watching =
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, &dropReplacedPage);
    (void)watching;
    auto *data = new PageMimeData(page);
    clipboard->setMimeData(data);
    dropReplacedPage();
    g_page = data;
}

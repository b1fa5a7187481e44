// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QMimeData>

// The scanned page as the clipboard offers it: Qt's own image type and the
// standard image types other programs read. Qt's Wayland clipboard would offer
// a plain image only as its own type, which no other program pastes. A type is
// encoded only when someone asks for it, so putting the page there costs no
// encoding.
class PageMimeData : public QMimeData
{
    Q_OBJECT

public:
    explicit PageMimeData(const QImage &page);

    QStringList formats() const override;
    bool hasFormat(const QString &mimeType) const override;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    QImage m_page;
};

// Puts a scanned page on the system clipboard, where it stays for other
// programs to paste.
void PutPageOnClipboard(const QImage &page);

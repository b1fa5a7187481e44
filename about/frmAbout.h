// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QLocale;
class QPushButton;
class ScannerLayer;

// The About box: the application's title, version, the scanner library in use
// and a short description. Modeless and owned by no window; OK, Enter, Esc and
// the close box discard it, so the next opening fills it in afresh.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 382;
    static constexpr int kClientHeight = 174;
    // Where the client area's top-left corner always opens on the screen.
    static constexpr int kScreenLeft = 156;
    static constexpr int kScreenTop = 129;

    // Builds the dialog and fills in its texts; the scanner layer is asked
    // for its version once, here.
    explicit frmAbout(ScannerLayer &scanner);

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDescription = nullptr;
    QPushButton *cmdOK = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load(ScannerLayer &scanner);
    QLabel *addLabel(const char *name, const QRect &rect, bool blackText);
};

// A version value that counts hundredths (118 for 1.18) as the user reads it:
// shortest form, no trailing zeros, no separator for whole numbers, the
// decimal separator of the given locale and never a group separator.
QString VersionNumberText(int versionTimes100, const QLocale &locale);

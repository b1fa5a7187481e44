// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmAbout.h"

#include "common/Resources.h"
#include "common/version.h"
#include "copyjob/scan/ScannerLayer.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

QString VersionNumberText(int versionTimes100, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // At most 21474836.47: 'g' with 15 digits never switches to an exponent
    // here, and drops the trailing zeros and a bare separator by itself.
    return plain.toString(versionTimes100 / 100.0, 'g', 15);
}

frmAbout::frmAbout(ScannerLayer &scanner)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window would not keep the program running on its own; the About
    // box is one of the program's windows, so the program ends only when it
    // and the main window are both closed.
    setAttribute(Qt::WA_QuitOnClose);
    setModal(false);
    setSizeGripEnabled(false);
    setWindowIcon(LoadAppIcon());
    setFont(DesignFont(8));

    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
    setPalette(pal);
    setAutoFillBackground(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(16, 16, 32, 32);
    picIcon->setPixmap(LoadAppIcon().pixmap(QSize(32, 32), 1.0));
    //: What a screen reader says of the About box's picture of the program's icon.
    picIcon->setAccessibleName(tr("Application icon"));

    lblTitle = addLabel("lblTitle", QRect(72, 16, 259, 16), true);
    lblVersion = addLabel("lblVersion", QRect(72, 32, 259, 15), false);
    Label1 = addLabel("Label1", QRect(72, 48, 201, 17), false);
    lblDescription = addLabel("lblDescription", QRect(70, 75, 259, 46), true);

    //: The About box's only button, which closes it: at most 70 pixels wide at 8 pt.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(cmdOK->text());
    cmdOK->setGeometry(283, 143, 84, 23);
    // Default and cancel at once: Enter presses it, and Esc closes the dialog
    // the same way.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    cmdOK->setFocus();

    // Client area fixed on the screen, wherever the main window is.
    setGeometry(kScreenLeft, kScreenTop, kClientWidth, kClientHeight);
    setFixedSize(kClientWidth, kClientHeight);

    Form_Load(scanner);
}

QLabel *frmAbout::addLabel(const char *name, const QRect &rect, bool blackText)
{
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Fixed size: a longer text wraps and is cut at the bottom edge.
    label->setGeometry(rect);
    label->setFixedSize(rect.size());
    if (blackText) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
    }
    return label;
}

void frmAbout::Form_Load(ScannerLayer &scanner)
{
    const QString title = QString::fromLatin1(mirel::kApplicationTitle);
    lblDescription->setText(LoadResString(StringId::AboutDescription));
    //: %1 is the version of SANE, the scanning library, such as 1.1.
    Label1->setText(
        tr("SANE version %1").arg(VersionNumberText(scanner.TWAIN_EasyVersion(), QLocale())));
    //: The About box's title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(title));
    //: %1 is the program's version, such as 1.5.2.
    lblVersion->setText(tr("Version %1")
                            .arg(QStringLiteral("%1.%2.%3")
                                     .arg(mirel::kVersionMajor)
                                     .arg(mirel::kVersionMinor)
                                     .arg(mirel::kVersionPatch)));
    lblTitle->setText(title);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched separator: grey first, white one pixel lower over it.
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(6, 131), QPoint(377, 131)), QColor(128, 128, 128));
    painter.fillRect(QRect(QPoint(7, 132), QPoint(377, 133)), QColor(255, 255, 255));
}

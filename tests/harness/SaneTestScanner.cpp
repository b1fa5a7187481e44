// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/SaneTestScanner.h"

#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>

SaneTestScanner::SaneTestScanner(int devices) : m_previous(qgetenv("SANE_CONFIG_DIR"))
{
    ScanSession::setDefaultHelperPath(QStringLiteral(MIREL_SCANNER_HELPER));
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(m_dir.path()));
    setDeviceCount(devices);
}

SaneTestScanner::~SaneTestScanner()
{
    m_previous.isNull() ? qunsetenv("SANE_CONFIG_DIR") : qputenv("SANE_CONFIG_DIR", m_previous);
}

bool SaneTestScanner::write(const QString &file, const QByteArray &text)
{
    if (writeFile(m_dir.filePath(file), text))
        return true;
    m_error = QStringLiteral("cannot write ") + m_dir.filePath(file);
    return false;
}

bool SaneTestScanner::setDeviceCount(int devices)
{
    // The test backend's own defaults hold for everything else; it crashes
    // counting to zero, so no device means no backend.
    return (devices <= 0 || write(QStringLiteral("test.conf"),
                                  "number_of_devices " + QByteArray::number(devices))) &&
           write(QStringLiteral("dll.conf"), devices > 0 ? "test\n" : "");
}

bool SaneTestScanner::addFaultyBackend()
{
    QByteArray path = MIREL_FAULTY_SANE_DIR;
    if (const QByteArray old = qgetenv("LD_LIBRARY_PATH"); old.startsWith(path))
        path = old; // added before
    else if (!old.isEmpty())
        path += ':' + old;
    qputenv("LD_LIBRARY_PATH", path);
    QFile dll(m_dir.filePath(QStringLiteral("dll.conf")));
    return dll.open(QIODevice::Append) && dll.write("faulty\n") > 0;
}

void setByUser(QWidget *w, const QVariant &value)
{
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const int i = combo->findData(value);
        combo->setCurrentIndex(i < 0 ? combo->findText(value.toString()) : i);
        emit combo->activated(combo->currentIndex());
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        line->setText(value.toString());
        line->setModified(true);
        emit line->editingFinished();
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        button->click();
    } else {
        w->metaObject()->userProperty().write(w, value);
    }
}

bool scanDialogReady(QDialog *dialog)
{
    auto *button = dialog->findChild<QPushButton *>(QStringLiteral("scanButton"));
    return button && button->isEnabled();
}

ScanDialogDriver::ScanDialogDriver(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ScanDialogDriver::tick);
}

ScanDialogDriver &ScanDialogDriver::until(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

ScanDialogDriver &ScanDialogDriver::then(std::function<void(QDialog *)> step)
{
    return until([step](QDialog *d) {
        step(d);
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::chooseResolution(int dpi)
{
    return until([dpi](QDialog *d) {
        auto *box = d->findChild<QComboBox *>(QStringLiteral("resolutionBox"));
        if (!scanDialogReady(d) || box->findData(dpi) < 0)
            return false;
        box->setCurrentIndex(box->findData(dpi));
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::chooseMode(const QString &mode)
{
    return until([mode](QDialog *d) {
        auto *box = d->findChild<QComboBox *>(QStringLiteral("modeBox"));
        if (!scanDialogReady(d) || box->findData(mode) < 0)
            return false;
        box->setCurrentIndex(box->findData(mode));
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::chooseFeeder(const QString &source, bool allSheets)
{
    until([source](QDialog *d) {
        auto *panel = d->findChild<ScanOptionsPanel *>();
        if (!scanDialogReady(d) || !panel || !panel->editor("source"))
            return false;
        setByUser(panel->editor("source"), source);
        return true;
    });
    // Ready again once the device took the source; the glass shows no box.
    return until([allSheets](QDialog *d) {
        auto *box = d->findChild<QCheckBox *>(QStringLiteral("allSheetsBox"));
        if (!scanDialogReady(d) || !box)
            return false;
        if (box->isVisible())
            setByUser(box, allSheets);
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::pressEnter()
{
    return until([](QDialog *d) {
        if (!scanDialogReady(d))
            return false;
        pressKeyOn(d, Qt::Key_Return);
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::pressEscape()
{
    return then([](QDialog *d) { pressKeyOn(d, Qt::Key_Escape); });
}

ScanDialogDriver &ScanDialogDriver::waitForMessage()
{
    return until([this](QDialog *d) {
        const QString text = d->property("message").toString();
        if (!scanDialogReady(d) || text.isEmpty())
            return false;
        const auto button = [d](const char *name) {
            return d->findChild<QPushButton *>(name)->text();
        };
        m_messages << text + " | " + button("scanButton") + " | " + button("cancelButton");
        return true;
    });
}

void ScanDialogDriver::tick()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() == QLatin1String("ScanDialog")) {
        // The scanner is named once it has opened, which may be after the dialog shows.
        m_seen = true;
        m_deviceText = dialog->findChild<QLabel *>("deviceLabel")->text();
        // While the device is being opened there is nothing to drive yet.
        const QString state = dialog->property("state").toString();
        const bool opening =
            state == QLatin1String("Looking") || state == QLatin1String("Retrying");
        if (!m_steps.empty() && !opening && m_steps.front()(dialog)) {
            m_steps.erase(m_steps.begin());
            m_clock.start();
        }
    } else if (m_seen && m_steps.empty()) {
        m_timer.stop();
        return;
    }
    if (!m_failure.isEmpty()) {
        // A stack stops only after the sheet under way, and then asks: Esc
        // again until the dialog is gone.
        if (dialog && m_clock.elapsed() > 500) {
            pressKeyOn(dialog, Qt::Key_Escape);
            m_clock.start();
        }
        return;
    }
    if (m_clock.elapsed() > 30000 && (!m_steps.empty() || !m_seen)) {
        m_failure = QStringLiteral("step %1 not done; dialog message: %2")
                        .arg(m_messages.size())
                        .arg(dialog ? dialog->property("message").toString() : "no dialog");
        m_steps.clear();
        m_seen = true;
        m_clock.start();
        if (dialog)
            pressKeyOn(dialog, Qt::Key_Escape);
    }
}

void LetDriverCrashesThrough()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":handle_segv=0:handle_abort=0");
}

QString SaneMissing(const SaneTestScanner &scanner, SaneScannerLayer &layer)
{
    if (!scanner.isValid())
        return scanner.errorString();
    return layer.TWAIN_IsAvailable() ? QString() : QStringLiteral("SANE is not available");
}

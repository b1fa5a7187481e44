// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "harness/TestSupport.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// SANE's own "test" backend for the scanner helpers this process starts: a
// temporary SANE_CONFIG_DIR whose dll.conf names "test" and whose test.conf
// says how many devices it has. A helper reads them when it starts SANE,
// which it does again when a scanner is not found by name, as after an
// unplug. Also points the layer at the helper built beside the suites.
// Options are set per scan with SaneScannerLayer::setOptionPreset.
class SaneTestScanner
{
public:
    explicit SaneTestScanner(int devices = 2);
    ~SaneTestScanner();
    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    QString configDir() const { return m_dir.path(); }
    // 0 empties dll.conf instead: the test backend crashes counting to zero.
    bool setDeviceCount(int devices);
    // Writes a file of the configuration folder, such as dll.conf or net.conf.
    bool write(const QString &file, const QByteArray &text);

    // Adds the tests' own faulty backend (device faulty:0, see
    // tests/harness/faultysane/faulty.c) beside the test backend, until the
    // device count is set again. Its folder goes first in LD_LIBRARY_PATH,
    // once, where SANE's dll backend looks for it.
    bool addFaultyBackend();

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    QString m_error;
};

// For suites whose drivers crash or abort on purpose: no core file is left
// behind, and under the address sanitizer the helper lets the signal reach
// Mirel as a user's system sends it, instead of catching it and exiting.
void LetDriverCrashesThrough();

// SANE's test backend with a layer that can use it, for the benchmarks: the
// words of what is missing, or empty when both are there.
class SaneScannerLayer;
QString SaneMissing(const SaneTestScanner &scanner, SaneScannerLayer &layer);

// Sets a control as a user would, so it emits what a user's change emits: a
// combo box's item by its data or text, a line edit's text, a button pressed,
// else the control's own value (checked, value).
void setByUser(QWidget *control, const QVariant &value);

// The scan dialog waits on the user: its default button can be pressed.
bool scanDialogReady(QDialog *dialog);

// Drives the next scan dialog like a user, a step at a time from a timer:
//   ScanDialogDriver driver;
//   driver.chooseResolution(100).chooseMode("Color").pressEnter().start();
//   QVERIFY(!layer.TWAIN_AcquireToClipboard(nullptr, 0).isNull());
//   QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
// Choices, Enter and waitForMessage wait until the dialog's default button
// can be pressed. A step not done within 30 seconds is the failure() and
// the dialog gets Esc, so a test never hangs on it.
class ScanDialogDriver : public QObject
{
public:
    using Step = std::function<bool(QDialog *)>; // true when done
    explicit ScanDialogDriver(QObject *parent = nullptr);
    ScanDialogDriver &until(Step step);
    ScanDialogDriver &then(std::function<void(QDialog *)> step);
    ScanDialogDriver &chooseResolution(int dpi);
    ScanDialogDriver &chooseMode(const QString &mode);
    // The scanner's source as a user picks it, then "All sheets in the
    // feeder" on or off where the source shows it.
    ScanDialogDriver &chooseFeeder(const QString &source, bool allSheets = true);
    ScanDialogDriver &pressEnter();
    ScanDialogDriver &pressEscape();
    // Records "message | default button | cancel button" once the dialog
    // waits for the user: what it says and what it offers.
    ScanDialogDriver &waitForMessage();
    void start()
    {
        m_clock.start();
        m_timer.start(10);
    }
    bool succeeded() const { return m_failure.isEmpty() && m_steps.empty(); }
    QString failure() const { return m_failure; }
    QStringList messages() const { return m_messages; }
    QString deviceText() const { return m_deviceText; }

private:
    void tick();
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<Step> m_steps;
    bool m_seen = false;
    QString m_failure, m_deviceText;
    QStringList m_messages;
};

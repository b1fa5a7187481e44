#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

// SANE's own "test" backend, enabled for this process only.
//
//   SaneTestScanner scanner;            // before the first SaneScannerLayer call
//   QVERIFY2(scanner.isValid(), qPrintable(scanner.errorString()));
//   SaneScannerLayer layer;             // now sees test:0 and test:1
//
// It makes a temporary folder holding a dll.conf that names only "test" and a
// copy of /etc/sane.d/test.conf, and points SANE_CONFIG_DIR at it. libsane
// reads that variable when sane_init runs, so the object must exist before
// the layer is first asked anything. The destructor removes the folder and
// restores the variable. Test-picture, fault and speed options are not set
// here: set them per scan with SaneScannerLayer::setOptionPreset.
class SaneTestScanner
{
public:
    explicit SaneTestScanner(int devices = 2);
    ~SaneTestScanner();

    SaneTestScanner(const SaneTestScanner &) = delete;
    SaneTestScanner &operator=(const SaneTestScanner &) = delete;

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }
    QString configDir() const { return m_dir.path(); }

    // Rewrites number_of_devices in test.conf; 0 empties dll.conf instead,
    // so SANE finds no scanner at all.
    // The backend reads it when SANE starts, which the layer does again when
    // a scanner is not found by name, as after an unplug.
    bool setDeviceCount(int devices);

    // Adds the tests' own faulty backend (device faulty:0, see
    // tests/harness/faultysane/faulty.c) beside the test backend. Its folder
    // goes first in LD_LIBRARY_PATH, where SANE's dll backend looks for it.
    bool addFaultyBackend();

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
    bool m_valid = false;
    bool m_faulty = false;
    QString m_error;
};

// Runs action on the active modal widget once it is one with this objectName
// (any modal widget when objectName is empty), polling from a timer so it can
// be armed before a call that blocks in exec(). Gives up after timeoutMsecs.
// Returns a flag that turns true once the action ran.
std::shared_ptr<bool> whenModalActive(const QString &objectName,
                                      std::function<void(QWidget *)> action,
                                      int timeoutMsecs = 20000);

// Sends a key to a dialog as a user would: to its focus widget, from where an
// unhandled Enter or Esc reaches the dialog's default button or Cancel.
void pressKeyOn(QWidget *dialog, Qt::Key key);

// Drives the next scan dialog (objectName "ScanDialog") like a user, step by
// step from a timer, so it is set up before TWAIN_AcquireToClipboard blocks:
//
//   ScanDialogDriver driver;
//   driver.chooseResolution(100).chooseMode("Color").pressEnter().start();
//   QCOMPARE(layer.TWAIN_AcquireToClipboard(nullptr, 0), 1);
//   QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
//
// Each step waits until the dialog can take it (Enter and the choices wait
// until it is idle). A step that cannot be done within stepTimeoutMsecs is
// recorded as failure() and the dialog is closed with Esc, so a test never
// hangs on it.
class ScanDialogDriver : public QObject
{
    Q_OBJECT
public:
    explicit ScanDialogDriver(QObject *parent = nullptr, int stepTimeoutMsecs = 30000);

    ScanDialogDriver &chooseResolution(int dpi);
    ScanDialogDriver &chooseMode(const QString &mode);
    // Enter: Scan, or Retry after an error.
    ScanDialogDriver &pressEnter();
    // Esc: Cancel, while scanning too.
    ScanDialogDriver &pressEscape();
    ScanDialogDriver &waitForScanning();
    // Waits until the dialog is idle with a message, and records it.
    ScanDialogDriver &waitForMessage();
    ScanDialogDriver &waitMsecs(int msecs);
    // Any other step: runs with the dialog.
    ScanDialogDriver &then(std::function<void(QDialog *)> step);
    // Waits until ready(dialog) holds.
    ScanDialogDriver &waitUntil(std::function<bool(QDialog *)> ready)
    {
        return add(QStringLiteral("wait for a condition"), std::move(ready));
    }

    void start();

    // True when every step ran.
    bool succeeded() const { return m_failure.isEmpty() && m_steps.empty(); }
    QString failure() const { return m_failure; }
    // The messages waitForMessage() saw, in order.
    QStringList messages() const { return m_messages; }
    // The "scanner in use" text when the dialog first came up.
    QString deviceText() const { return m_deviceText; }
    // Milliseconds since the last Esc was pressed; -1 if none was. Read right
    // after the acquisition returns, it is how long the dialog took to close.
    qint64 msecsSinceEscape() const
    {
        return m_escapeClock.isValid() ? m_escapeClock.elapsed() : -1;
    }

    // Convenience for code that just needs a page: a driver that deletes
    // itself, optionally picks resolution and mode, and presses Enter.
    static void acceptScanDialogSoon(int dpi = 0, const QString &mode = {});

private:
    struct Step
    {
        QString what;
        std::function<bool(QDialog *)> tryIt; // true when done
    };
    ScanDialogDriver &add(const QString &what, std::function<bool(QDialog *)> tryIt);
    void tick();
    void giveUp(QDialog *dialog, const QString &why);

    QTimer m_timer;
    QElapsedTimer m_stepClock;
    QElapsedTimer m_escapeClock;
    std::vector<Step> m_steps;
    int m_stepTimeout;
    bool m_seenDialog = false;
    QString m_failure;
    QStringList m_messages;
    QString m_deviceText;
};

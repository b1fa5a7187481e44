#include "harness/SaneTestScanner.h"

#include "copyjob/scan/ScanSession.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <dlfcn.h>

SaneTestScanner::SaneTestScanner(int devices)
{
    ScanSession::setDefaultHelperPath(QStringLiteral(MIREL_SCANNER_HELPER));
    m_hadPrevious = qEnvironmentVariableIsSet("SANE_CONFIG_DIR");
    m_previous = qgetenv("SANE_CONFIG_DIR");
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder: %1").arg(m_dir.errorString());
        return;
    }
    const QString source = QStringLiteral("/etc/sane.d/test.conf");
    if (!QFile::copy(source, m_dir.filePath(QStringLiteral("test.conf")))) {
        m_error = QStringLiteral("cannot copy %1 (is libsane1 installed?)").arg(source);
        return;
    }
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(m_dir.path()));
    // SANE unloads the backend at sane_exit. Held here, it stays mapped, so
    // the sanitizer can name it in the leaks of its cancelled reader thread.
    for (const char *dir : {"/usr/lib/x86_64-linux-gnu/sane", "/usr/lib64/sane", "/usr/lib/sane",
                            "/usr/local/lib/sane"}) {
        const QByteArray path = QByteArray(dir) + "/libsane-test.so.1";
        if (dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL))
            break;
    }
    m_valid = setDeviceCount(devices);
}

SaneTestScanner::~SaneTestScanner()
{
    if (m_hadPrevious)
        qputenv("SANE_CONFIG_DIR", m_previous);
    else
        qunsetenv("SANE_CONFIG_DIR");
}

bool SaneTestScanner::setDeviceCount(int devices)
{
    // The test backend cannot count to zero (it crashes in get_devices), so
    // no device at all means no backend at all.
    QFile dll(m_dir.filePath(QStringLiteral("dll.conf")));
    QByteArray backends = devices > 0 ? QByteArrayLiteral("test\n") : QByteArray();
    if (m_faulty)
        backends += "faulty\n";
    if (!dll.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        dll.write(backends) != backends.size()) {
        m_error = QStringLiteral("cannot write %1").arg(dll.fileName());
        return false;
    }
    dll.close();
    if (devices <= 0)
        return true;
    QFile conf(m_dir.filePath(QStringLiteral("test.conf")));
    if (!conf.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1").arg(conf.fileName());
        return false;
    }
    QString text = QString::fromUtf8(conf.readAll());
    conf.close();
    static const QRegularExpression line(QStringLiteral("^number_of_devices\\s+\\d+"),
                                         QRegularExpression::MultilineOption);
    const QString wanted = QStringLiteral("number_of_devices %1").arg(devices);
    if (text.contains(line))
        text.replace(line, wanted);
    else
        text.prepend(wanted + QLatin1Char('\n'));
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate) || conf.write(text.toUtf8()) < 0) {
        m_error = QStringLiteral("cannot write %1").arg(conf.fileName());
        return false;
    }
    return true;
}

bool SaneTestScanner::addFaultyBackend()
{
    QByteArray path = MIREL_FAULTY_SANE_DIR;
    if (const QByteArray old = qgetenv("LD_LIBRARY_PATH"); !old.isEmpty())
        path += ':' + old;
    qputenv("LD_LIBRARY_PATH", path);
    m_faulty = true;
    QFile dll(m_dir.filePath(QStringLiteral("dll.conf")));
    return dll.open(QIODevice::Append) && dll.write("faulty\n") > 0;
}

std::shared_ptr<bool> whenModalActive(const QString &objectName,
                                      std::function<void(QWidget *)> action, int timeoutMsecs)
{
    auto done = std::make_shared<bool>(false);
    auto *timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        // A dialog still looking for scanners is not ready to be answered.
        if (modal && (objectName.isEmpty() || modal->objectName() == objectName) &&
            !modal->property("looking").toBool()) {
            timer->stop();
            timer->deleteLater();
            *done = true;
            action(modal);
        } else if (clock->elapsed() > timeoutMsecs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return done;
}

void pressKeyOn(QWidget *dialog, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != dialog)
        target = dialog;
    QTest::keyClick(target, key);
}

ScanDialogDriver::ScanDialogDriver(QObject *parent, int stepTimeoutMsecs)
    : QObject(parent), m_stepTimeout(stepTimeoutMsecs)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ScanDialogDriver::tick);
}

ScanDialogDriver &ScanDialogDriver::add(const QString &what, std::function<bool(QDialog *)> tryIt)
{
    m_steps.push_back({what, std::move(tryIt)});
    return *this;
}

namespace {

bool idle(QDialog *dialog)
{
    auto *scan = dialog->findChild<QPushButton *>(QStringLiteral("scanButton"));
    return !dialog->property("scanning").toBool() && scan && scan->isEnabled();
}

} // namespace

ScanDialogDriver &ScanDialogDriver::chooseResolution(int dpi)
{
    return add(QStringLiteral("choose %1 dpi").arg(dpi), [dpi](QDialog *dialog) {
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("resolutionBox"));
        if (!idle(dialog) || !box || box->findData(dpi) < 0)
            return false;
        box->setCurrentIndex(box->findData(dpi));
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::chooseMode(const QString &mode)
{
    return add(QStringLiteral("choose mode %1").arg(mode), [mode](QDialog *dialog) {
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("modeBox"));
        if (!idle(dialog) || !box || box->findText(mode) < 0)
            return false;
        box->setCurrentIndex(box->findText(mode));
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::pressEnter()
{
    return add(QStringLiteral("press Enter"), [](QDialog *dialog) {
        if (!idle(dialog))
            return false;
        pressKeyOn(dialog, Qt::Key_Return);
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::pressEscape()
{
    return add(QStringLiteral("press Esc"), [this](QDialog *dialog) {
        m_escapeClock.start();
        pressKeyOn(dialog, Qt::Key_Escape);
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::waitForScanning()
{
    return add(QStringLiteral("wait for scanning"),
               [](QDialog *dialog) { return dialog->property("scanning").toBool(); });
}

ScanDialogDriver &ScanDialogDriver::waitForMessage()
{
    return add(QStringLiteral("wait for a message"), [this](QDialog *dialog) {
        const QString message = dialog->property("message").toString();
        if (!idle(dialog) || message.isEmpty())
            return false;
        m_messages << message;
        return true;
    });
}

ScanDialogDriver &ScanDialogDriver::waitMsecs(int msecs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    return add(QStringLiteral("wait %1 ms").arg(msecs), [clock, msecs](QDialog *) {
        if (!clock->isValid())
            clock->start();
        return clock->elapsed() >= msecs;
    });
}

ScanDialogDriver &ScanDialogDriver::then(std::function<void(QDialog *)> step)
{
    return add(QStringLiteral("custom step"), [step](QDialog *dialog) {
        step(dialog);
        return true;
    });
}

void ScanDialogDriver::start()
{
    m_stepClock.start();
    m_timer.start();
}

void ScanDialogDriver::giveUp(QDialog *dialog, const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    m_steps.clear();
    if (dialog)
        pressKeyOn(dialog, Qt::Key_Escape);
}

void ScanDialogDriver::tick()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() != QLatin1String("ScanDialog"))
        dialog = nullptr;
    if (!dialog) {
        if (m_seenDialog && m_steps.empty()) {
            m_timer.stop();
            return;
        }
        if (m_stepClock.elapsed() > m_stepTimeout) {
            giveUp(
                nullptr,
                m_steps.empty()
                    ? QStringLiteral("the scan dialog never came")
                    : QStringLiteral("no scan dialog for step \"%1\"").arg(m_steps.front().what));
            m_timer.stop();
        }
        return;
    }
    if (!m_seenDialog) {
        m_seenDialog = true;
        m_stepClock.start();
    }
    // The device is named once it has opened, which may be after the dialog shows.
    if (auto *label = dialog->findChild<QLabel *>(QStringLiteral("deviceLabel")))
        m_deviceText = label->text();
    if (m_steps.empty() || dialog->property("looking").toBool())
        return;
    if (m_steps.front().tryIt(dialog)) {
        m_steps.erase(m_steps.begin());
        m_stepClock.start();
    } else if (m_stepClock.elapsed() > m_stepTimeout) {
        giveUp(dialog, QStringLiteral("step \"%1\" could not be done; dialog message: %2")
                           .arg(m_steps.front().what, dialog->property("message").toString()));
    }
}

void ScanDialogDriver::acceptScanDialogSoon(int dpi, const QString &mode)
{
    auto *driver = new ScanDialogDriver(qApp);
    if (dpi > 0)
        driver->chooseResolution(dpi);
    if (!mode.isEmpty())
        driver->chooseMode(mode);
    driver->pressEnter();
    // Gone once the dialog has closed after the last step.
    connect(&driver->m_timer, &QTimer::timeout, driver, [driver] {
        if (!driver->m_timer.isActive())
            driver->deleteLater();
    });
    driver->start();
}

#include "copyjob/scan/ScanDialog.h"

#include "copyjob/scan/SaneDevice.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ScanJob.h"

#include <sane/saneopts.h>

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// Cancel first asks the reading thread to stop at its next block; a device
// that sends nothing by then gets sane_cancel from here, and one that still
// hangs is left to finish on its own while the dialog closes, all within a
// second.
constexpr int kForceCancelMsecs = 400;
constexpr int kGiveUpMsecs = 850;

constexpr int kPreferredDpi = 300;

// The picture kind a SANE scan mode gives, in the caller's pixel-type bits.
int pixelTypeOf(const QString &mode)
{
    const QString m = mode.toLower();
    if (m.contains(QLatin1String("color")) || m.contains(QLatin1String("colour")))
        return 4;
    if (m.contains(QLatin1String("gray")) || m.contains(QLatin1String("grey")))
        return 2;
    if (m.contains(QLatin1String("lineart")) || m.contains(QLatin1String("halftone")) ||
        m.contains(QLatin1String("binary")))
        return 1;
    return 0;
}

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

} // namespace

ScanDialog::ScanDialog(SaneScannerLayer &layer, int pixelTypes, QWidget *parent)
    : QDialog(parent), m_layer(layer), m_pixelTypes(pixelTypes)
{
    setObjectName(QStringLiteral("ScanDialog"));
    setWindowTitle(tr("Scan"));
    setModal(true);

    m_deviceLabel = new QLabel(this);
    m_deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    m_deviceLabel->setAccessibleName(tr("Scanner"));
    m_deviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resolutionBox = new QComboBox(this);
    m_resolutionBox->setObjectName(QStringLiteral("resolutionBox"));
    m_resolutionBox->setAccessibleName(tr("Resolution"));
    m_modeBox = new QComboBox(this);
    m_modeBox->setObjectName(QStringLiteral("modeBox"));
    m_modeBox->setAccessibleName(tr("Colour mode"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setAccessibleName(tr("Progress"));
    m_progressBar->setRange(0, 1000);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setAccessibleName(tr("Message"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();
    m_scanButton = makeButton(tr("&Scan"), "scanButton", this);
    m_scanButton->setDefault(true);
    m_cancelButton = makeButton(tr("Cancel"), "cancelButton", this);
    m_cancelButton->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(tr("Scanner:"), m_deviceLabel);
    form->addRow(tr("&Resolution:"), m_resolutionBox);
    form->addRow(tr("&Colour:"), m_modeBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_scanButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_messageLabel);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_scanButton, &QPushButton::clicked, this, &ScanDialog::startScan);
    connect(m_cancelButton, &QPushButton::clicked, this, &ScanDialog::reject);
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, &ScanDialog::updateProgress);

    prepareDevice();
}

ScanDialog::~ScanDialog()
{
    // A job still here has been asked to stop; its thread ends before the
    // device it reads from is closed.
    if (m_job && m_job->isRunning()) {
        m_job->cancelNow();
        if (!m_job->wait(kGiveUpMsecs)) {
            m_layer.keepUntilFinished(std::move(m_job), std::move(m_device));
            return;
        }
    }
    m_job.reset();
    m_device.reset();
}

bool ScanDialog::isScanning() const
{
    return m_job != nullptr;
}

QString ScanDialog::message() const
{
    return m_messageLabel->text();
}

void ScanDialog::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_messageLabel->setVisible(!text.isEmpty());
}

bool ScanDialog::prepareDevice()
{
    m_device.reset();
    SaneScannerLayer::Opened opened = m_layer.openDevice(m_layer.scanSettings().device);
    if (!opened.device) {
        m_deviceLabel->setText(
            m_layer.scanSettings().device.isEmpty() ? tr("none") : m_layer.scanSettings().device);
        m_resolutionBox->setEnabled(false);
        m_modeBox->setEnabled(false);
        m_scanButton->setText(tr("&Retry"));
        m_scanButton->setAccessibleName(tr("Retry"));
        showMessage(opened.error);
        return false;
    }
    m_device = std::move(opened.device);
    m_layer.scanSettings().device = m_device->info().name;
    m_deviceLabel->setText(m_device->info().displayName());
    fillChoices();
    return true;
}

void ScanDialog::fillChoices()
{
    const SaneScannerLayer::ScanSettings &remembered = m_layer.scanSettings();

    QStringList modes = m_device->stringChoices(QStringLiteral(SANE_NAME_SCAN_MODE));
    if (m_pixelTypes != 0) {
        QStringList wanted;
        for (const QString &mode : modes) {
            const int type = pixelTypeOf(mode);
            if (type == 0 || (type & m_pixelTypes))
                wanted << mode;
        }
        if (!wanted.isEmpty())
            modes = wanted;
    }
    m_modeBox->clear();
    m_modeBox->addItems(modes);
    int modeIndex = modes.indexOf(remembered.mode);
    for (int i = 0; modeIndex < 0 && i < modes.size(); ++i)
        if (pixelTypeOf(modes[i]) == 4) // a copier user expects colour
            modeIndex = i;
    m_modeBox->setCurrentIndex(std::max(0, modeIndex));
    m_modeBox->setEnabled(!modes.isEmpty());

    const QList<int> dpis = m_device->resolutionChoices();
    m_resolutionBox->clear();
    for (int dpi : dpis)
        m_resolutionBox->addItem(tr("%1 dpi").arg(dpi), dpi);
    int dpiIndex = dpis.indexOf(remembered.resolution);
    if (dpiIndex < 0) {
        for (int i = 0; i < dpis.size(); ++i)
            if (dpiIndex < 0 ||
                std::abs(dpis[i] - kPreferredDpi) < std::abs(dpis[dpiIndex] - kPreferredDpi))
                dpiIndex = i;
    }
    m_resolutionBox->setCurrentIndex(std::max(0, dpiIndex));
    m_resolutionBox->setEnabled(!dpis.isEmpty());

    m_scanButton->setEnabled(true);
}

void ScanDialog::setScanning(bool scanning)
{
    m_resolutionBox->setEnabled(!scanning && m_resolutionBox->count() > 0);
    m_modeBox->setEnabled(!scanning && m_modeBox->count() > 0);
    m_scanButton->setEnabled(!scanning);
    m_cancelButton->setEnabled(true);
    m_progressBar->setVisible(scanning);
    if (scanning) {
        m_progressBar->setRange(0, 0); // busy until the page size is known
        m_progressTimer.start();
        m_cancelButton->setFocus();
    } else {
        m_progressTimer.stop();
    }
}

void ScanDialog::startScan()
{
    if (m_job)
        return;
    showMessage({});
    if (!m_device && !prepareDevice())
        return;

    SaneScannerLayer::ScanSettings &remembered = m_layer.scanSettings();
    Outcome set = Outcome::success();
    if (m_modeBox->count() > 0) {
        set = m_device->setOption(QStringLiteral(SANE_NAME_SCAN_MODE), m_modeBox->currentText());
        if (set.ok)
            remembered.mode = m_modeBox->currentText();
    }
    if (set.ok && m_resolutionBox->count() > 0) {
        const int dpi = m_resolutionBox->currentData().toInt();
        set = m_device->setOption(QStringLiteral(SANE_NAME_SCAN_RESOLUTION), dpi);
        if (set.ok)
            remembered.resolution = dpi;
    }
    if (set.ok)
        set = m_device->coverWholeBed();
    if (set.ok)
        set = m_layer.applyOptionPresets(*m_device);
    if (!set.ok) {
        // The device may have gone; Retry opens it afresh.
        m_device.reset();
        m_scanButton->setText(tr("&Retry"));
        m_scanButton->setAccessibleName(tr("Retry"));
        showMessage(set.message);
        return;
    }

    m_job = std::make_unique<ScanJob>(m_layer.api(), m_device->handle(), m_device->resolution(),
                                      m_layer.memoryLimit());
    connect(m_job.get(), &ScanJob::finished, this, &ScanDialog::onScanFinished);
    setScanning(true);
    m_job->start();
}

void ScanDialog::updateProgress()
{
    if (!m_job)
        return;
    const int permille = m_job->progress();
    if (permille < 0) {
        m_progressBar->setRange(0, 0);
    } else {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(permille);
    }
}

void ScanDialog::dropJob()
{
    // Called from the job's own signal: it goes once that has returned.
    if (m_job)
        m_job.release()->deleteLater();
}

void ScanDialog::onScanFinished()
{
    if (!m_job || sender() != m_job.get())
        return;
    setScanning(false);
    const bool cancelled = m_closing || m_job->wasCancelled();
    const Outcome outcome = m_job->outcome();
    QImage page = outcome.ok && !cancelled ? m_job->takeImage() : QImage();
    dropJob();
    // Opened afresh for the next scan or retry, so a scanner that went away
    // and came back is found again.
    const QString deviceName = m_device ? m_device->info().name : QString();
    m_device.reset();

    if (cancelled) {
        QDialog::reject();
        return;
    }
    if (!outcome.ok || page.isNull()) {
        m_scanButton->setText(tr("&Retry"));
        m_scanButton->setAccessibleName(tr("Retry"));
        m_scanButton->setFocus();
        showMessage(outcome.ok ? tr("The scanner sent no picture.") : outcome.message);
        return;
    }
    // Only a whole page ever reaches the clipboard.
    QGuiApplication::clipboard()->setImage(page);
    m_layer.noteScanned(deviceName, page);
    accept();
}

void ScanDialog::reject()
{
    if (!m_job) {
        QDialog::reject();
        return;
    }
    if (m_closing)
        return;
    m_closing = true;
    m_job->requestCancel();
    m_cancelButton->setEnabled(false);
    showMessage(tr("Stopping the scan…"));
    QTimer::singleShot(kForceCancelMsecs, this, &ScanDialog::forceCancel);
    QTimer::singleShot(kGiveUpMsecs, this, &ScanDialog::stopWaiting);
}

void ScanDialog::forceCancel()
{
    if (m_job && m_job->isRunning())
        m_job->cancelNow();
}

void ScanDialog::stopWaiting()
{
    if (!m_job || !m_job->isRunning())
        return;
    // The device ignores the cancel; the layer waits for it, the user does not.
    disconnect(m_job.get(), nullptr, this, nullptr);
    setScanning(false);
    m_layer.keepUntilFinished(std::move(m_job), std::move(m_device));
    QDialog::reject();
}

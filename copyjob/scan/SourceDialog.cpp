#include "copyjob/scan/SourceDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SourceDialog::SourceDialog(const QList<SaneDeviceInfo> &devices, const QString &current,
                           QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SourceDialog"));
    setWindowTitle(tr("Select Source"));
    setModal(true);

    auto *prompt =
        new QLabel(devices.isEmpty() ? tr("No scanner was found.") : tr("Scan from:"), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("sourceList"));
    m_list->setAccessibleName(tr("Scanners"));
    for (const SaneDeviceInfo &device : devices) {
        auto *item = new QListWidgetItem(device.displayName(), m_list);
        item->setData(Qt::UserRole, device.name);
        if (device.name == current)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    prompt->setBuddy(m_list);

    m_selectButton = new QPushButton(tr("Select"), this);
    m_selectButton->setObjectName(QStringLiteral("selectButton"));
    m_selectButton->setAccessibleName(tr("Select"));
    m_selectButton->setDefault(true);
    m_selectButton->setEnabled(m_list->count() > 0);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(tr("Cancel"));
    cancelButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_selectButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_selectButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    m_list->setFocus();
}

QString SourceDialog::selectedDevice() const
{
    if (result() != QDialog::Accepted || !m_list->currentItem())
        return {};
    return m_list->currentItem()->data(Qt::UserRole).toString();
}

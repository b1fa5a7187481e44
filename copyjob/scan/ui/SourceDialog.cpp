// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/SourceDialog.h"

#include "copyjob/scan/session/ScanSession.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SourceDialog::SourceDialog(ScanSession &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("SourceDialog"));
    setWindowTitle(tr("Select Source"));
    setModal(true);

    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("promptLabel"));
    m_prompt->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("sourceList"));
    m_list->setAccessibleName(tr("Scanners"));
    m_prompt->setBuddy(m_list);

    m_selectButton = new QPushButton(tr("Select"), this);
    m_selectButton->setObjectName(QStringLiteral("selectButton"));
    m_selectButton->setAccessibleName(tr("Select"));
    m_selectButton->setDefault(true);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(tr("Cancel"));
    cancelButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_selectButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_selectButton, &QPushButton::clicked, this, &SourceDialog::onSelect);
    connect(cancelButton, &QPushButton::clicked, this, &SourceDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(&m_session, &ScanSession::devicesListed, this, &SourceDialog::onListed);
    connect(&m_session, &ScanSession::helperFailed, this,
            [this](const Outcome &failure) { onTrouble(failure.message); });
    connect(&m_session, &ScanSession::stalled, this, &SourceDialog::onTrouble);
    look();
}

void SourceDialog::look()
{
    m_state = State::Looking;
    m_prompt->setText(tr("Looking for scanners…"));
    m_selectButton->setText(tr("Select"));
    m_selectButton->setEnabled(false);
    m_session.listDevices();
}

void SourceDialog::onListed(const QList<ScanDevice> &devices)
{
    m_prompt->setText(devices.isEmpty() ? tr("No scanner was found.") : tr("Scan from:"));
    m_list->clear();
    for (const ScanDevice &device : devices) {
        auto *item = new QListWidgetItem(device.displayName(), m_list);
        item->setData(Qt::UserRole, device.name);
        if (device.name == m_session.currentDevice())
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_selectButton->setEnabled(m_list->count() > 0);
    m_list->setFocus();
    m_state = State::Ready;
}

void SourceDialog::onTrouble(const QString &message)
{
    m_prompt->setText(message);
    m_selectButton->setText(tr("&Retry"));
    m_selectButton->setEnabled(true);
    m_state = State::Failed;
}

void SourceDialog::onSelect()
{
    if (m_state == State::Failed) {
        m_session.cancel(); // a listing that stalled goes with its helper
        look();
    } else {
        accept();
    }
}

void SourceDialog::reject()
{
    m_session.cancel();
    QDialog::reject();
}

QString SourceDialog::selectedDevice() const
{
    if (result() != QDialog::Accepted || !m_list->currentItem())
        return {};
    return m_list->currentItem()->data(Qt::UserRole).toString();
}

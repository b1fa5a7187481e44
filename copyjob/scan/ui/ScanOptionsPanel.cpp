// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include "copyjob/scan/ui/OptionEditors.h"

#include "copyjob/scan/model/OptionNames.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Two descriptions of one option have the same shape when the same control
// can show both; only the value and whether it is active may differ.
bool sameShape(ScanOption a, ScanOption b)
{
    a.value = b.value = QVariant();
    a.capabilities.setFlag(ScanOption::Capability::Inactive, false);
    b.capabilities.setFlag(ScanOption::Capability::Inactive, false);
    return a == b;
}

} // namespace

ScanOptionsPanel::ScanOptionsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScanOptionsPanel"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_content = new QWidget;
    m_scroll->setWidget(m_content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroll);

    m_paperBox = new QComboBox(m_content);
    m_paperBox->setObjectName(QStringLiteral("paperSizeBox"));
    m_paperBox->setAccessibleName(tr("Paper size"));
    prepareCombo(m_paperBox);
    connect(m_paperBox, &QComboBox::activated, this, &ScanOptionsPanel::onPaperSizeChosen);

    m_areaRow = new QWidget(m_content);
    auto *grid = new QGridLayout(m_areaRow);
    grid->setContentsMargins(0, 0, 0, 0);
    const char *names[4] = {"areaLeft", "areaTop", "areaWidth", "areaHeight"};
    const QString labels[4] = {tr("Left"), tr("Top"), tr("Width"), tr("Height")};
    for (int i = 0; i < 4; ++i) {
        auto *box = new QDoubleSpinBox(m_areaRow);
        box->setObjectName(QString::fromLatin1(names[i]));
        box->setAccessibleName(labels[i]);
        box->setDecimals(1);
        box->setSuffix(tr(" mm"));
        box->setKeyboardTracking(false);
        auto *label = new QLabel(labels[i], m_areaRow);
        label->setBuddy(box);
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(box, i / 2, (i % 2) * 2 + 1);
        m_areaBoxes[i] = box;
        connect(box, &QDoubleSpinBox::valueChanged, this, &ScanOptionsPanel::onCustomAreaEdited);
    }

    guardWheel(m_paperBox);
    guardWheel(m_areaRow);

    m_moreButton = new QToolButton(m_content);
    m_moreButton->setObjectName(QStringLiteral("moreOptionsButton"));
    m_moreButton->setText(tr("&More options"));
    m_moreButton->setAccessibleName(tr("More options"));
    m_moreButton->setCheckable(true);
    m_moreButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_moreButton->setArrowType(Qt::RightArrow);
    m_moreButton->setAutoRaise(true);
    connect(m_moreButton, &QToolButton::toggled, this, &ScanOptionsPanel::showMoreOptions);

    m_more = new QWidget(m_content);
    m_more->setObjectName(QStringLiteral("moreOptions"));
    m_moreLayout = new QVBoxLayout(m_more);
    m_moreLayout->setContentsMargins(0, 0, 0, 0);
    m_more->hide();

    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    m_topExtra = new QWidget(m_content);
    layout->addWidget(m_topExtra);
    layout->addWidget(m_moreButton, 0, Qt::AlignLeft);
    layout->addWidget(m_more);
    layout->addStretch();
    rebuild();
}

ScanOptionsPanel::~ScanOptionsPanel() = default;

QString ScanOptionsPanel::customName()
{
    return ScanArea::customName();
}

bool ScanOptionsPanel::isTopOption(const ScanOption &o) const
{
    if (o.name == OptionName::source)
        return true;
    static const QStringList picture{OptionName::brightness, OptionName::contrast,
                                     OptionName::threshold};
    return picture.contains(o.name) && !o.capabilities.testFlag(ScanOption::Capability::Advanced);
}

bool ScanOptionsPanel::isShown(const ScanOption &o) const
{
    return !o.name.isEmpty() && o.type != ScanOption::Type::Group && !m_leftOut.contains(o.name) &&
           !ScanArea::isCornerOption(o.name);
}

void ScanOptionsPanel::setOptions(const QList<ScanOption> &options)
{
    QList<ScanOption> before, after;
    for (const ScanOption &o : m_options)
        if (isShown(o))
            before << o;
    for (const ScanOption &o : options)
        if (isShown(o))
            after << o;
    bool reshaped = before.size() != after.size();
    for (qsizetype i = 0; !reshaped && i < before.size(); ++i)
        reshaped = !sameShape(before[i], after[i]);
    const bool areaReshaped = !(ScanArea(m_options).bed(m_dpi) == ScanArea(options).bed(m_dpi));
    m_options = options;
    if (reshaped)
        rebuild();
    else if (areaReshaped)
        fillPaperSizes();
    refreshValues();
}

void ScanOptionsPanel::setResolution(double dpi)
{
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    fillPaperSizes();
    refreshValues();
}

void ScanOptionsPanel::rebuild()
{
    m_editors.clear();
    // The old controls may be the ones whose signal brought us here: they
    // go once it has returned.
    QWidget *oldTop = m_topExtra;
    QWidget *oldMore =
        m_more->findChild<QWidget *>(QStringLiteral("moreGroups"), Qt::FindDirectChildrenOnly);
    m_paperBox->setParent(m_content);
    m_areaRow->setParent(m_content);

    m_topExtra = new QWidget(m_content);
    buildTop();
    auto *groups = new QWidget(m_more);
    groups->setObjectName(QStringLiteral("moreGroups"));
    const bool anyMore = buildGroups(groups);

    auto *layout = static_cast<QVBoxLayout *>(m_content->layout());
    delete layout->replaceWidget(oldTop, m_topExtra); // the old item is ours to free
    oldTop->hide();
    oldTop->deleteLater();
    if (oldMore) {
        m_moreLayout->removeWidget(oldMore);
        oldMore->hide();
        oldMore->deleteLater();
    }
    m_moreLayout->addWidget(groups);
    // Shown now rather than when the layout gets round to it, so the size
    // the dialog takes counts them.
    m_topExtra->show();
    groups->show();
    m_moreButton->setVisible(anyMore);
    fillPaperSizes();
    updateGeometry();
}

void ScanOptionsPanel::buildTop()
{
    m_topForm = new QFormLayout(m_topExtra);
    m_topForm->setContentsMargins(0, 0, 0, 0);
    // The source first, then the paper, then the picture's own settings.
    for (const ScanOption &o : m_options)
        if (isShown(o) && o.name == OptionName::source)
            addEditor(o, m_topForm, nullptr);
    m_topForm->addRow(tr("&Paper size:"), m_paperBox);
    m_topForm->addRow(tr("Area:"), m_areaRow);
    for (const ScanOption &o : m_options)
        if (isShown(o) && isTopOption(o) && o.name != OptionName::source)
            addEditor(o, m_topForm, nullptr);
}

bool ScanOptionsPanel::buildGroups(QWidget *groups)
{
    auto *groupsLayout = new QVBoxLayout(groups);
    groupsLayout->setContentsMargins(0, 0, 0, 0);
    QGroupBox *group = nullptr;
    QFormLayout *groupForm = nullptr;
    QString groupTitle;
    for (const ScanOption &o : m_options) {
        if (!isShown(o) || isTopOption(o))
            continue;
        if (!group || o.group != groupTitle) {
            groupTitle = o.group;
            group = new QGroupBox(
                groupTitle.isEmpty() ? tr("Other settings") : driverText(groupTitle), groups);
            groupForm = new QFormLayout(group);
            groupForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
            groupsLayout->addWidget(group);
        }
        addEditor(o, groupForm, group);
    }
    return groupsLayout->count() > 0;
}

void ScanOptionsPanel::addEditor(const ScanOption &o, QFormLayout *form, QGroupBox *group)
{
    OptionEditor *editor = OptionEditor::create(o, form->parentWidget());
    editor->addTo(form);
    connect(editor, &OptionEditor::changed, this,
            [this, name = o.name](const QVariant &value) { emit optionChanged(name, value); });
    m_editors.push_back({editor, group});
}

void ScanOptionsPanel::refreshValues()
{
    QList<QGroupBox *> groupsInUse;
    for (const Shown &e : m_editors) {
        for (const ScanOption &o : m_options) {
            if (o.name != e.editor->option().name)
                continue;
            e.editor->show(o);
            if (!o.capabilities.testFlag(ScanOption::Capability::Inactive) && e.group &&
                !groupsInUse.contains(e.group))
                groupsInUse << e.group;
            break;
        }
    }
    for (const Shown &e : m_editors)
        if (e.group)
            e.group->setVisible(groupsInUse.contains(e.group));

    // The numbers show the area the device took, rounded to its steps.
    const QRectF taken = ScanArea::areaOf(m_options, m_dpi);
    if (!taken.isEmpty()) {
        showArea(taken);
        if (m_paperChoice == ScanArea::customKey())
            m_customArea = taken;
    }
}

void ScanOptionsPanel::fillPaperSizes()
{
    const ScanArea scanArea(m_options);
    const QList<PaperSize> sizes = scanArea.sizesThatFit(m_dpi);
    const bool offered = !sizes.isEmpty();
    m_topForm->setRowVisible(m_paperBox, offered);
    m_topForm->setRowVisible(m_areaRow, offered);
    QSignalBlocker block(m_paperBox);
    m_paperBox->clear();
    if (!offered)
        return;
    for (const PaperSize &size : sizes) {
        const QString text = size.key == ScanArea::wholeAreaKey() ? tr("%1 (%2 × %3 mm)")
                                                                        .arg(size.name)
                                                                        .arg(size.width, 0, 'f', 0)
                                                                        .arg(size.height, 0, 'f', 0)
                                                                  : size.name;
        m_paperBox->addItem(text, size.key);
    }
    m_paperBox->addItem(customName(), ScanArea::customKey());

    const QRectF glass = scanArea.bed(m_dpi);
    for (int i = 0; i < 4; ++i) {
        QSignalBlocker blockBox(m_areaBoxes[i]);
        m_areaBoxes[i]->setRange(0, i % 2 == 0 ? glass.right() : glass.bottom());
    }
    int index = m_paperBox->findData(m_paperChoice);
    if (index < 0) {
        index = 0; // the whole glass, as a copier copies
        m_paperChoice = sizes.first().key;
    }
    m_paperBox->setCurrentIndex(index);
}

QString ScanOptionsPanel::paperSize() const
{
    return m_paperChoice;
}

bool ScanOptionsPanel::choosePaperSize(const QString &key)
{
    const int index = m_paperBox->findData(key);
    if (index < 0)
        return false;
    m_paperBox->setCurrentIndex(index);
    onPaperSizeChosen();
    return true;
}

void ScanOptionsPanel::setCustomArea(const QRectF &areaMm)
{
    m_customArea = areaMm.normalized();
    m_paperChoice = ScanArea::customKey();
    {
        QSignalBlocker block(m_paperBox);
        m_paperBox->setCurrentIndex(m_paperBox->findData(m_paperChoice));
    }
    showArea(m_customArea);
    emitArea();
}

QRectF ScanOptionsPanel::area() const
{
    const ScanArea scanArea(m_options);
    const QRectF glass = scanArea.bed(m_dpi);
    if (glass.isEmpty())
        return {};
    if (m_paperChoice == ScanArea::customKey())
        return m_customArea.intersected(glass);
    for (const PaperSize &size : scanArea.sizesThatFit(m_dpi))
        if (size.key == m_paperChoice)
            return QRectF(glass.topLeft(), QSizeF(size.width, size.height)).intersected(glass);
    return glass;
}

ScanArea::Values ScanOptionsPanel::areaValues() const
{
    const QRectF chosen = area();
    return chosen.isEmpty() ? ScanArea::Values() : ScanArea(m_options).valuesFor(chosen, m_dpi);
}

void ScanOptionsPanel::showArea(const QRectF &areaMm)
{
    const double numbers[4] = {areaMm.left(), areaMm.top(), areaMm.width(), areaMm.height()};
    for (int i = 0; i < 4; ++i) {
        QSignalBlocker block(m_areaBoxes[i]);
        m_areaBoxes[i]->setValue(numbers[i]);
    }
}

void ScanOptionsPanel::emitArea()
{
    for (const auto &value : areaValues())
        emit optionChanged(value.first, value.second);
}

void ScanOptionsPanel::onPaperSizeChosen()
{
    m_paperChoice = m_paperBox->currentData().toString();
    if (m_paperChoice == ScanArea::customKey()) {
        m_customArea = QRectF(m_areaBoxes[0]->value(), m_areaBoxes[1]->value(),
                              m_areaBoxes[2]->value(), m_areaBoxes[3]->value());
        return;
    }
    showArea(area());
    emitArea();
}

void ScanOptionsPanel::onCustomAreaEdited()
{
    setCustomArea(QRectF(m_areaBoxes[0]->value(), m_areaBoxes[1]->value(), m_areaBoxes[2]->value(),
                         m_areaBoxes[3]->value()));
}

void ScanOptionsPanel::showMoreOptions(bool shown)
{
    {
        QSignalBlocker block(m_moreButton);
        m_moreButton->setChecked(shown);
    }
    m_moreButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    m_more->setVisible(shown);
    updateGeometry();
    fitWindow();
}

void ScanOptionsPanel::fitWindow()
{
    // Not adjustSize(): it keeps a window within two thirds of the screen,
    // which on a small or scaled screen leaves a few rows of settings.
    QWidget *top = window();
    if (top == this || !top->isVisible() || !screen())
        return;
    if (QLayout *layout = top->layout())
        layout->activate();
    const QSize frame = top->frameGeometry().size() - top->size();
    top->resize(top->sizeHint().boundedTo(screen()->availableGeometry().size() - frame));
}

QWidget *ScanOptionsPanel::editor(const QString &name) const
{
    for (const Shown &e : m_editors)
        if (e.editor->option().name == name)
            return e.editor->control();
    return nullptr;
}

QSize ScanOptionsPanel::sizeHint() const
{
    // As large as the settings need, but leaving the rest of the dialog on
    // the screen; beyond that the settings scroll.
    QSize wanted = m_content->sizeHint();
    wanted.rwidth() += m_scroll->verticalScrollBar()->sizeHint().width() + 4;
    if (const QScreen *s = screen()) {
        const QRect avail = s->availableGeometry();
        // The rest of the dialog (scanner, resolution, colour, buttons, the
        // frame) takes about 180 pixels in height and 40 in width.
        wanted.setWidth(std::min(wanted.width(), avail.width() - 40));
        wanted.setHeight(std::min(wanted.height(), std::max(120, avail.height() - 180)));
    }
    return wanted;
}

QSize ScanOptionsPanel::minimumSizeHint() const
{
    return {200, 100};
}

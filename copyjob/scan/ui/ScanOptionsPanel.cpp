// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>
#include <cmath>

namespace {

// Sliders get at most this many steps; a finer range is still reached
// through the spin box beside it.
constexpr int kMaxSliderSteps = 100000;
// Arrays longer than this (gamma tables) are shown, not edited, here.
constexpr int kMaxEditableArray = 64;

QString unitSuffix(int unit)
{
    switch (unit) {
    case SANE_UNIT_PIXEL:
        return QObject::tr(" px");
    case SANE_UNIT_BIT:
        return QObject::tr(" bit");
    case SANE_UNIT_MM:
        return QObject::tr(" mm");
    case SANE_UNIT_DPI:
        return QObject::tr(" dpi");
    case SANE_UNIT_PERCENT:
        return QObject::tr(" %");
    case SANE_UNIT_MICROSECOND:
        return QObject::tr(" µs");
    default:
        return {};
    }
}

bool isWhole(double v)
{
    return std::abs(v - std::round(v)) < 1e-9;
}

int decimalsFor(const ScanOption &o)
{
    if (o.type != ScanOption::Type::Fixed)
        return 0;
    if (o.constraint == ScanOption::Constraint::Range && isWhole(o.minimum) && isWhole(o.maximum) &&
        isWhole(o.quant))
        return 0;
    return 2;
}

QString numberText(const ScanOption &o, double v)
{
    return QString::number(v, 'f', decimalsFor(o) ? 2 : 0) + unitSuffix(o.unit);
}

// Two descriptions of one option have the same shape when the same control
// can show both; only the value and whether it is active may differ.
bool sameShape(ScanOption a, ScanOption b)
{
    a.value = b.value = QVariant();
    a.capabilities &= ~SANE_CAP_INACTIVE;
    b.capabilities &= ~SANE_CAP_INACTIVE;
    return a == b;
}

void prepareCombo(QComboBox *box)
{
    // A driver's long entries must not widen the dialog past the screen.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    box->setMaxVisibleItems(15);
}

QString arrayText(const QVariant &value)
{
    QStringList parts;
    for (const QVariant &v : value.toList())
        parts << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble())
                                                  : QString::number(v.toLongLong()));
    return parts.join(QStringLiteral(", "));
}

} // namespace

struct ScanOptionsPanel::Editor
{
    ScanOption option;
    QFormLayout *form = nullptr;
    QWidget *field = nullptr;   // the field of the form row
    QWidget *control = nullptr; // named option-NAME
    QGroupBox *group = nullptr; // under "More options"; nullptr at the top
    std::function<void(const QVariant &)> show;
};

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
    return tr("Custom");
}

bool ScanOptionsPanel::isTopOption(const ScanOption &o) const
{
    if (o.name == QLatin1String(SANE_NAME_SCAN_SOURCE))
        return true;
    static const QStringList picture{QStringLiteral(SANE_NAME_BRIGHTNESS),
                                     QStringLiteral(SANE_NAME_CONTRAST),
                                     QStringLiteral(SANE_NAME_THRESHOLD)};
    return picture.contains(o.name) && !(o.capabilities & SANE_CAP_ADVANCED);
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

std::unique_ptr<ScanOptionsPanel::Editor> ScanOptionsPanel::makeEditor(const ScanOption &o,
                                                                       QWidget *parent)
{
    auto editor = std::make_unique<Editor>();
    editor->option = o;
    const QString name = o.name;
    const bool readOnly = !(o.capabilities & SANE_CAP_SOFT_SELECT);
    const bool isInt = o.type == ScanOption::Type::Int;
    auto emitValue = [this, name](const QVariant &v) { emit optionChanged(name, v); };

    QWidget *control = nullptr;
    QWidget *field = nullptr;
    if (o.type == ScanOption::Type::Bool) {
        auto *box = new QCheckBox(o.title, parent);
        connect(box, &QCheckBox::toggled, this, [emitValue](bool on) { emitValue(on); });
        editor->show = [box](const QVariant &v) {
            QSignalBlocker block(box);
            box->setChecked(v.toBool());
        };
        control = box;
    } else if (o.type == ScanOption::Type::Button) {
        auto *button = new QPushButton(o.title, parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [emitValue] { emitValue(QVariant()); });
        editor->show = [](const QVariant &) {};
        control = button;
    } else if (o.count > 1) {
        if (o.count > kMaxEditableArray) {
            auto *label = new QLabel(tr("A table of %1 values").arg(o.count), parent);
            editor->show = [](const QVariant &) {};
            control = label;
        } else {
            auto *line = new QLineEdit(parent);
            connect(line, &QLineEdit::editingFinished, this, [line, emitValue, isInt] {
                QVariantList list;
                for (const QString &part : line->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
                    list << (isInt ? QVariant(part.trimmed().toInt())
                                   : QVariant(part.trimmed().toDouble()));
                if (!list.isEmpty() && line->isModified())
                    emitValue(list);
                line->setModified(false);
            });
            editor->show = [line](const QVariant &v) { line->setText(arrayText(v)); };
            control = line;
        }
    } else if (o.constraint == ScanOption::Constraint::StringList ||
               o.constraint == ScanOption::Constraint::WordList) {
        auto *box = new QComboBox(parent);
        prepareCombo(box);
        if (o.constraint == ScanOption::Constraint::StringList) {
            box->addItems(o.strings);
            connect(box, &QComboBox::activated, this,
                    [box, emitValue](int) { emitValue(box->currentText()); });
            editor->show = [box](const QVariant &v) {
                QSignalBlocker block(box);
                box->setCurrentIndex(box->findText(v.toString()));
            };
        } else {
            for (double w : o.words)
                box->addItem(numberText(o, w), w);
            connect(box, &QComboBox::activated, this, [box, emitValue, isInt](int) {
                const double v = box->currentData().toDouble();
                emitValue(isInt ? QVariant(int(std::lround(v))) : QVariant(v));
            });
            editor->show = [box, words = o.words](const QVariant &v) {
                QSignalBlocker block(box);
                int best = -1;
                for (int i = 0; i < words.size(); ++i)
                    if (best < 0 ||
                        std::abs(words[i] - v.toDouble()) < std::abs(words[best] - v.toDouble()))
                        best = i;
                box->setCurrentIndex(v.isValid() ? best : -1);
            };
        }
        control = box;
    } else if (o.type == ScanOption::Type::String) {
        auto *line = new QLineEdit(parent);
        connect(line, &QLineEdit::editingFinished, this, [line, emitValue] {
            if (line->isModified())
                emitValue(line->text());
            line->setModified(false);
        });
        editor->show = [line](const QVariant &v) { line->setText(v.toString()); };
        control = line;
    } else {
        // An int or a fixed: a spin box, with a slider when it has a range.
        const bool ranged = o.constraint == ScanOption::Constraint::Range && o.maximum > o.minimum;
        QAbstractSpinBox *spin = nullptr;
        std::function<void(double)> setSpin;
        double step = o.quant > 0 ? o.quant : 1.0;
        if (ranged && (o.maximum - o.minimum) / step > kMaxSliderSteps)
            step = (o.maximum - o.minimum) / kMaxSliderSteps;
        QSlider *slider = nullptr;
        if (ranged) {
            slider = new QSlider(Qt::Horizontal, parent);
            slider->setObjectName(QStringLiteral("slider-") + name);
            slider->setAccessibleName(o.title);
            slider->setRange(0, int(std::lround((o.maximum - o.minimum) / step)));
            slider->setTracking(false);
            slider->setMinimumWidth(80);
        }
        const auto toSlider = [min = o.minimum, step](double v) {
            return int(std::lround((v - min) / step));
        };
        if (isInt) {
            auto *box = new QSpinBox(parent);
            box->setRange(ranged ? int(o.minimum) : INT_MIN, ranged ? int(o.maximum) : INT_MAX);
            box->setSingleStep(std::max(1, int(std::lround(o.quant))));
            box->setSuffix(unitSuffix(o.unit));
            connect(box, &QSpinBox::valueChanged, this, [emitValue, slider, toSlider](int v) {
                if (slider) {
                    QSignalBlocker block(slider);
                    slider->setValue(toSlider(v));
                }
                emitValue(v);
            });
            setSpin = [box](double v) { box->setValue(int(std::lround(v))); };
            editor->show = [box, slider, toSlider](const QVariant &v) {
                QSignalBlocker block(box);
                box->setValue(v.toInt());
                if (slider) {
                    QSignalBlocker blockSlider(slider);
                    slider->setValue(toSlider(v.toInt()));
                }
            };
            spin = box;
        } else {
            auto *box = new QDoubleSpinBox(parent);
            box->setDecimals(decimalsFor(o));
            box->setRange(ranged ? o.minimum : -32768.0, ranged ? o.maximum : 32767.99);
            box->setSingleStep(o.quant > 0 ? o.quant : 1.0);
            box->setSuffix(unitSuffix(o.unit));
            connect(box, &QDoubleSpinBox::valueChanged, this,
                    [emitValue, slider, toSlider](double v) {
                        if (slider) {
                            QSignalBlocker block(slider);
                            slider->setValue(toSlider(v));
                        }
                        emitValue(v);
                    });
            setSpin = [box](double v) { box->setValue(v); };
            editor->show = [box, slider, toSlider](const QVariant &v) {
                QSignalBlocker block(box);
                box->setValue(v.toDouble());
                if (slider) {
                    QSignalBlocker blockSlider(slider);
                    slider->setValue(toSlider(v.toDouble()));
                }
            };
            spin = box;
        }
        spin->setKeyboardTracking(false);
        control = spin;
        if (slider) {
            connect(slider, &QSlider::valueChanged, this,
                    [setSpin, min = o.minimum, step](int i) { setSpin(min + i * step); });
            field = new QWidget(parent);
            auto *row = new QHBoxLayout(field);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(slider, 1);
            row->addWidget(spin);
            slider->setParent(field);
            spin->setParent(field);
            slider->setEnabled(!readOnly);
        }
    }

    control->setObjectName(QStringLiteral("option-") + name);
    control->setAccessibleName(o.title);
    QString tip = o.description;
    if (o.capabilities & SANE_CAP_HARD_SELECT)
        tip += QLatin1Char('\n') + tr("Set on the scanner itself.");
    else if (readOnly)
        tip += QLatin1Char('\n') + tr("The scanner reports this; it cannot be changed here.");
    control->setToolTip(tip.trimmed());
    control->setEnabled(!readOnly);
    editor->control = control;
    editor->field = field ? field : control;
    return editor;
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
    m_topForm = new QFormLayout(m_topExtra);
    m_topForm->setContentsMargins(0, 0, 0, 0);
    auto *groups = new QWidget(m_more);
    groups->setObjectName(QStringLiteral("moreGroups"));
    auto *groupsLayout = new QVBoxLayout(groups);
    groupsLayout->setContentsMargins(0, 0, 0, 0);

    const auto addRow = [](QFormLayout *form, Editor &e) {
        e.form = form;
        if (qobject_cast<QCheckBox *>(e.control) || qobject_cast<QPushButton *>(e.control))
            form->addRow(e.field);
        else
            form->addRow(e.option.title + QLatin1Char(':'), e.field);
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(e.field))) {
            label->setBuddy(e.control);
            label->setToolTip(e.control->toolTip());
        }
    };

    // The source first, then the paper, then the picture's own settings.
    for (const ScanOption &o : m_options)
        if (isShown(o) && o.name == QLatin1String(SANE_NAME_SCAN_SOURCE)) {
            m_editors.push_back(makeEditor(o, m_topExtra));
            addRow(m_topForm, *m_editors.back());
        }
    m_topForm->addRow(tr("&Paper size:"), m_paperBox);
    m_topForm->addRow(tr("Area:"), m_areaRow);
    for (const ScanOption &o : m_options)
        if (isShown(o) && isTopOption(o) && o.name != QLatin1String(SANE_NAME_SCAN_SOURCE)) {
            m_editors.push_back(makeEditor(o, m_topExtra));
            addRow(m_topForm, *m_editors.back());
        }

    QGroupBox *group = nullptr;
    QFormLayout *groupForm = nullptr;
    QString groupTitle;
    for (const ScanOption &o : m_options) {
        if (!isShown(o) || isTopOption(o))
            continue;
        if (!group || o.group != groupTitle) {
            groupTitle = o.group;
            group = new QGroupBox(groupTitle.isEmpty() ? tr("Other settings") : groupTitle, groups);
            groupForm = new QFormLayout(group);
            groupForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
            groupsLayout->addWidget(group);
        }
        m_editors.push_back(makeEditor(o, group));
        m_editors.back()->group = group;
        addRow(groupForm, *m_editors.back());
    }

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
    m_moreButton->setVisible(groupsLayout->count() > 0);
    fillPaperSizes();
    guardWheel();
    updateGeometry();
}

void ScanOptionsPanel::guardWheel()
{
    // Scrolling down a long list of settings must not change the ones the
    // pointer passes over: a control takes the wheel only once clicked into.
    for (QWidget *w : m_content->findChildren<QWidget *>()) {
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
            qobject_cast<QAbstractSlider *>(w)) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
    }
}

bool ScanOptionsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
        QCoreApplication::sendEvent(m_scroll->verticalScrollBar(), event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ScanOptionsPanel::refreshValues()
{
    QList<QGroupBox *> groupsInUse;
    for (const auto &e : m_editors) {
        for (const ScanOption &o : m_options) {
            if (o.name != e->option.name)
                continue;
            e->option = o;
            e->show(o.value);
            const bool active = !(o.capabilities & SANE_CAP_INACTIVE);
            e->form->setRowVisible(e->field, active);
            if (active && e->group && !groupsInUse.contains(e->group))
                groupsInUse << e->group;
            break;
        }
    }
    for (const auto &e : m_editors)
        if (e->group)
            e->group->setVisible(groupsInUse.contains(e->group));

    // The numbers show the area the device took, rounded to its steps.
    const QRectF taken = ScanArea::areaOf(m_options, m_dpi);
    if (!taken.isEmpty()) {
        showArea(taken);
        if (m_paperChoice == customName())
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
        const QString text = size.name == ScanArea::wholeAreaName()
                                 ? tr("%1 (%2 × %3 mm)")
                                       .arg(size.name)
                                       .arg(size.width, 0, 'f', 0)
                                       .arg(size.height, 0, 'f', 0)
                                 : size.name;
        m_paperBox->addItem(text, size.name);
    }
    m_paperBox->addItem(customName(), customName());

    const QRectF glass = scanArea.bed(m_dpi);
    for (int i = 0; i < 4; ++i) {
        QSignalBlocker blockBox(m_areaBoxes[i]);
        m_areaBoxes[i]->setRange(0, i % 2 == 0 ? glass.right() : glass.bottom());
    }
    int index = m_paperBox->findData(m_paperChoice);
    if (index < 0) {
        index = 0; // the whole glass, as a copier copies
        m_paperChoice = sizes.first().name;
    }
    m_paperBox->setCurrentIndex(index);
}

QString ScanOptionsPanel::paperSize() const
{
    return m_paperChoice;
}

bool ScanOptionsPanel::choosePaperSize(const QString &name)
{
    const int index = m_paperBox->findData(name);
    if (index < 0)
        return false;
    m_paperBox->setCurrentIndex(index);
    onPaperSizeChosen();
    return true;
}

void ScanOptionsPanel::setCustomArea(const QRectF &areaMm)
{
    m_customArea = areaMm.normalized();
    m_paperChoice = customName();
    {
        QSignalBlocker block(m_paperBox);
        m_paperBox->setCurrentIndex(m_paperBox->findData(customName()));
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
    if (m_paperChoice == customName())
        return m_customArea.intersected(glass);
    for (const PaperSize &size : scanArea.sizesThatFit(m_dpi))
        if (size.name == m_paperChoice)
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
    if (m_paperChoice == customName()) {
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

bool ScanOptionsPanel::moreOptionsShown() const
{
    return m_moreButton->isChecked();
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
    for (const auto &e : m_editors)
        if (e->option.name == name)
            return e->control;
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

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/OptionEditors.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QWheelEvent>

#include <climits>
#include <cmath>
#include <libintl.h>

namespace {

// Sliders get at most this many steps; a finer range is still reached
// through the spin box beside it.
constexpr int kMaxSliderSteps = 100000;
// Arrays longer than this (gamma tables) are shown, not edited, here.
constexpr int kMaxEditableArray = 64;

QString unitSuffix(ScanOption::Unit unit)
{
    using Unit = ScanOption::Unit;
    switch (unit) {
    //: Units after a number in the scanner's settings, with the space before them.
    case Unit::Pixel:
        return OptionEditor::tr(" px");
    case Unit::Bit:
        return OptionEditor::tr(" bit");
    case Unit::Millimetre:
        return OptionEditor::tr(" mm");
    case Unit::Dpi:
        return OptionEditor::tr(" dpi");
    case Unit::Percent:
        return OptionEditor::tr(" %");
    case Unit::Microsecond:
        return OptionEditor::tr(" µs");
    case Unit::None:
        break;
    }
    return {};
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

QString arrayText(const QVariant &value)
{
    QStringList parts;
    for (const QVariant &v : value.toList())
        parts << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble())
                                                  : QString::number(v.toLongLong()));
    return parts.join(QStringLiteral(", "));
}

class WheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = static_cast<QWidget *>(watched);
        if (event->type() != QEvent::Wheel || w->hasFocus())
            return false;
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
            if (auto *list = qobject_cast<QAbstractScrollArea *>(p)) {
                if (list->verticalScrollBar() != w)
                    QCoreApplication::sendEvent(list->verticalScrollBar(), event);
                break;
            }
        return true;
    }
};

class CheckEditor : public OptionEditor
{
public:
    CheckEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
    {
        m_box = new QCheckBox(o.title, parent);
        connect(m_box, &QCheckBox::toggled, this, [this](bool on) { emit changed(on); });
        setControl(m_box);
    }

protected:
    void display(const QVariant &v) override
    {
        QSignalBlocker block(m_box);
        m_box->setChecked(v.toBool());
    }
    bool titled() const override { return false; }

private:
    QCheckBox *m_box;
};

class ButtonEditor : public OptionEditor
{
public:
    ButtonEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
    {
        auto *button = new QPushButton(o.title, parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this] { emit changed(QVariant()); });
        setControl(button);
    }

protected:
    void display(const QVariant &) override {}
    bool titled() const override { return false; }
};

// A table too long to edit as a line of numbers: only its size is shown.
class TableEditor : public OptionEditor
{
public:
    TableEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
    {
        //: A scanner's setting too long to edit here, such as a gamma table.
        setControl(new QLabel(OptionEditor::tr("A table of %n values", nullptr, o.count), parent));
    }

protected:
    void display(const QVariant &) override {}
};

// Free text, or a short array as numbers between commas; sent once the
// user has finished editing, and only when the text was edited.
class LineEditor : public OptionEditor
{
public:
    LineEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
    {
        m_line = new QLineEdit(parent);
        connect(m_line, &QLineEdit::editingFinished, this, &LineEditor::onEdited);
        setControl(m_line);
    }

protected:
    void display(const QVariant &v) override
    {
        m_line->setText(isArray() ? arrayText(v) : v.toString());
    }

private:
    bool isArray() const { return option().count > 1; }
    void onEdited()
    {
        const QVariant value = isArray() ? numbers() : QVariant(m_line->text());
        if (m_line->isModified() && !(isArray() && value.toList().isEmpty()))
            emit changed(value);
        m_line->setModified(false);
    }
    QVariantList numbers() const
    {
        QVariantList list;
        for (const QString &part : m_line->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
            list << (isInt() ? QVariant(part.trimmed().toInt())
                             : QVariant(part.trimmed().toDouble()));
        return list;
    }
    QLineEdit *m_line;
};

// A list of strings, or of numbers shown with their unit.
class ListEditor : public OptionEditor
{
public:
    ListEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
    {
        m_box = new QComboBox(parent);
        prepareCombo(m_box);
        if (isStrings())
            for (const QString &s : o.strings)
                m_box->addItem(driverText(s), s);
        else
            for (double w : o.words)
                m_box->addItem(numberText(o, w), w);
        connect(m_box, &QComboBox::activated, this, &ListEditor::onActivated);
        setControl(m_box);
    }

protected:
    void display(const QVariant &v) override
    {
        QSignalBlocker block(m_box);
        if (isStrings()) {
            m_box->setCurrentIndex(m_box->findData(v.toString()));
            return;
        }
        // The word nearest to the value: a fixed comes back rounded.
        const QList<double> &words = option().words;
        int best = -1;
        for (int i = 0; i < words.size(); ++i)
            if (best < 0 ||
                std::abs(words[i] - v.toDouble()) < std::abs(words[best] - v.toDouble()))
                best = i;
        m_box->setCurrentIndex(v.isValid() ? best : -1);
    }

private:
    bool isStrings() const { return option().constraint == ScanOption::Constraint::StringList; }
    void onActivated()
    {
        if (isStrings()) {
            emit changed(m_box->currentData().toString());
            return;
        }
        const double v = m_box->currentData().toDouble();
        emit changed(isInt() ? QVariant(int(std::lround(v))) : QVariant(v));
    }
    QComboBox *m_box;
};

// An int or a fixed: a spin box, with a slider beside it when it has a range.
class NumberEditor : public OptionEditor
{
public:
    NumberEditor(const ScanOption &o, QWidget *parent);

protected:
    void display(const QVariant &v) override
    {
        QSignalBlocker block(m_spin);
        if (m_int)
            m_int->setValue(v.toInt());
        else
            m_fixed->setValue(v.toDouble());
        showOnSlider(isInt() ? v.toInt() : v.toDouble());
    }

private:
    bool ranged() const
    {
        return option().constraint == ScanOption::Constraint::Range &&
               option().maximum > option().minimum;
    }
    void makeSpinBox(QWidget *parent);
    void makeSlider(QWidget *parent);
    void showOnSlider(double v)
    {
        if (!m_slider)
            return;
        QSignalBlocker block(m_slider);
        m_slider->setValue(int(std::lround((v - option().minimum) / m_step)));
    }
    void onSpun(double v)
    {
        showOnSlider(v);
        emit changed(isInt() ? QVariant(int(v)) : QVariant(v));
    }
    void onSlid(int i)
    {
        const double v = option().minimum + i * m_step;
        if (m_int)
            m_int->setValue(int(std::lround(v)));
        else
            m_fixed->setValue(v);
    }

    double m_step = 1;
    QAbstractSpinBox *m_spin = nullptr;
    QSpinBox *m_int = nullptr;
    QDoubleSpinBox *m_fixed = nullptr;
    QSlider *m_slider = nullptr;
};

NumberEditor::NumberEditor(const ScanOption &o, QWidget *parent) : OptionEditor(o)
{
    m_step = o.quant > 0 ? o.quant : 1.0;
    if (ranged() && (o.maximum - o.minimum) / m_step > kMaxSliderSteps)
        m_step = (o.maximum - o.minimum) / kMaxSliderSteps;
    // The slider first, so Tab reaches it before the spin box.
    if (ranged())
        makeSlider(parent);
    makeSpinBox(parent);
    if (!m_slider) {
        setControl(m_spin);
        return;
    }
    auto *field = new QWidget(parent);
    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_slider, 1);
    row->addWidget(m_spin);
    setControl(m_spin, field);
}

void NumberEditor::makeSpinBox(QWidget *parent)
{
    const ScanOption &o = option();
    if (isInt()) {
        m_int = new QSpinBox(parent);
        m_int->setRange(ranged() ? int(o.minimum) : INT_MIN, ranged() ? int(o.maximum) : INT_MAX);
        m_int->setSingleStep(std::max(1, int(std::lround(o.quant))));
        m_int->setSuffix(unitSuffix(o.unit));
        connect(m_int, &QSpinBox::valueChanged, this, &NumberEditor::onSpun);
        m_spin = m_int;
    } else {
        m_fixed = new QDoubleSpinBox(parent);
        m_fixed->setDecimals(decimalsFor(o));
        m_fixed->setRange(ranged() ? o.minimum : -32768.0, ranged() ? o.maximum : 32767.99);
        m_fixed->setSingleStep(o.quant > 0 ? o.quant : 1.0);
        m_fixed->setSuffix(unitSuffix(o.unit));
        connect(m_fixed, &QDoubleSpinBox::valueChanged, this, &NumberEditor::onSpun);
        m_spin = m_fixed;
    }
    m_spin->setKeyboardTracking(false);
}

void NumberEditor::makeSlider(QWidget *parent)
{
    const ScanOption &o = option();
    m_slider = new QSlider(Qt::Horizontal, parent);
    m_slider->setObjectName(QStringLiteral("slider-") + o.name);
    m_slider->setAccessibleName(o.title);
    m_slider->setRange(0, int(std::lround((o.maximum - o.minimum) / m_step)));
    m_slider->setTracking(false);
    m_slider->setMinimumWidth(80);
    m_slider->setEnabled(o.capabilities.testFlag(ScanOption::Capability::Settable));
    connect(m_slider, &QSlider::valueChanged, this, &NumberEditor::onSlid);
}

} // namespace

void guardWheel(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        // A combo box's list is a popup of its own, scrolled as any list is.
        if (w->window() != root->window())
            continue;
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
            qobject_cast<QAbstractSlider *>(w)) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(new WheelGuard(w));
        }
    }
}

void prepareCombo(QComboBox *box)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    box->setMaxVisibleItems(15);
}

QString driverText(const QString &text)
{
    static const bool utf8 = bind_textdomain_codeset("sane-backends", "UTF-8") != nullptr;
    if (text.isEmpty() || !utf8)
        return text;
    const QByteArray word = text.toUtf8();
    const char *translated = dgettext("sane-backends", word.constData());
    return translated == word.constData() ? text : QString::fromUtf8(translated);
}

OptionEditor *OptionEditor::create(const ScanOption &option, QWidget *parent)
{
    ScanOption o = option;
    o.title = driverText(option.title);
    o.description = driverText(option.description);
    using Type = ScanOption::Type;
    using Constraint = ScanOption::Constraint;
    if (o.type == Type::Bool)
        return new CheckEditor(o, parent);
    if (o.type == Type::Button)
        return new ButtonEditor(o, parent);
    if (o.count > kMaxEditableArray)
        return new TableEditor(o, parent);
    if (o.count > 1)
        return new LineEditor(o, parent);
    if (o.constraint == Constraint::StringList || o.constraint == Constraint::WordList)
        return new ListEditor(o, parent);
    if (o.type == Type::String)
        return new LineEditor(o, parent);
    return new NumberEditor(o, parent);
}

void OptionEditor::setControl(QWidget *control, QWidget *field)
{
    m_control = control;
    m_field = field ? field : control;
    setParent(m_field);
    const bool readOnly = !m_option.capabilities.testFlag(ScanOption::Capability::Settable);
    control->setObjectName(QStringLiteral("option-") + m_option.name);
    control->setAccessibleName(m_option.title);
    QString tip = m_option.description;
    if (m_option.capabilities.testFlag(ScanOption::Capability::SetOnDevice))
        tip += QLatin1Char('\n') + tr("Set on the scanner itself.");
    else if (readOnly)
        tip += QLatin1Char('\n') + tr("The scanner reports this; it cannot be changed here.");
    control->setToolTip(tip.trimmed());
    control->setEnabled(!readOnly);
    guardWheel(m_field);
}

void OptionEditor::addTo(QFormLayout *form)
{
    m_form = form;
    if (titled())
        //: A driver's setting as a label before its field; %1 is the driver's name for
        //: it. The colon as the language writes it after a label.
        form->addRow(tr("%1:").arg(m_option.title), m_field);
    else
        form->addRow(m_field);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(m_field))) {
        label->setBuddy(m_control);
        label->setToolTip(m_control->toolTip());
    }
}

void OptionEditor::show(const ScanOption &option)
{
    m_option = option;
    display(option.value);
    if (m_form)
        m_form->setRowVisible(m_field,
                              !option.capabilities.testFlag(ScanOption::Capability::Inactive));
}

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/ui/ScanArea.h"

#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <vector>

class OptionEditor;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

// The scanner's own settings, built from what its driver describes: the
// source (glass or feeder) and the paper size first, with brightness,
// contrast and threshold when the device has them, and every other option in
// a "More options" part, grouped as the device groups them. Changing a
// setting emits optionChanged(); the owner sets it on the device and hands
// the device's options back with setOptions(), so what is shown is what the
// device took, and options the change made appear, vanish or change shape.
//
// For tests: the control of an option is named "option-NAME" (a slider
// beside a spin box "slider-NAME"), the source "option-source";
// "paperSizeBox" is the paper size, "areaLeft", "areaTop",
// "areaWidth", "areaHeight" the custom area in millimetres, and
// "moreOptionsButton" opens the rest.
class ScanOptionsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ScanOptionsPanel(QWidget *parent = nullptr);
    ~ScanOptionsPanel() override;

    // Options the dialog shows itself (resolution, colour mode): left out here.
    void setLeftOut(const QStringList &names) { m_leftOut = names; }

    // Shows the device's options. Called again after a change, it updates
    // the controls in place and rebuilds only when the options changed
    // shape; the open part and the paper size chosen stay as they were.
    void setOptions(const QList<ScanOption> &options);
    const QList<ScanOption> &options() const { return m_options; }

    // The resolution the scan will use: a geometry in pixels depends on it.
    void setResolution(double dpi);

    // The paper size chosen: its key (ScanArea), the custom area's too.
    QString paperSize() const;
    // Chooses a size that fits by its key, or the custom area; false when it
    // is not offered.
    bool choosePaperSize(const QString &key);
    static QString customName();
    // The custom area in millimetres; chooses it.
    void setCustomArea(const QRectF &areaMm);
    // The area in millimetres the choice stands for; empty when the device
    // has no area to choose.
    QRectF area() const;
    // The corner options' values for area().
    ScanArea::Values areaValues() const;

    // Sizes the dialog to what the settings need, within the screen.
    void fitWindow();

    void showMoreOptions(bool shown);

    // The control of an option, or nullptr when it is not shown.
    QWidget *editor(const QString &name) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A value the user set; an invalid value presses a button option.
    void optionChanged(const QString &name, const QVariant &value);

private:
    // An option's editor and the group it stands in (nullptr at the top).
    struct Shown
    {
        OptionEditor *editor; // belongs to its widgets
        QGroupBox *group;
    };
    void rebuild();
    void buildTop();
    bool buildGroups(QWidget *groups);
    void addEditor(const ScanOption &option, QFormLayout *form, QGroupBox *group);
    void refreshValues();
    void fillPaperSizes();
    void showArea(const QRectF &areaMm);
    void emitArea();
    void onPaperSizeChosen();
    void onCustomAreaEdited();
    bool isTopOption(const ScanOption &option) const;
    bool isShown(const ScanOption &option) const;

    QList<ScanOption> m_options;
    QStringList m_leftOut;
    double m_dpi = 0;
    QString m_paperChoice;
    QRectF m_customArea;

    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    QFormLayout *m_topForm = nullptr;
    QComboBox *m_paperBox = nullptr;
    QDoubleSpinBox *m_areaBoxes[4] = {};
    QWidget *m_areaRow = nullptr;
    QToolButton *m_moreButton = nullptr;
    QWidget *m_more = nullptr; // rebuilt with the options
    QVBoxLayout *m_moreLayout = nullptr;
    QWidget *m_topExtra = nullptr; // source and picture settings, rebuilt too
    std::vector<Shown> m_editors;
};

// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panel/Counters.h"

#include <QImage>
#include <QWidget>

#include <memory>

class Printing;
class CopyCommand;
class CounterDisplay;
class LabelButton;
class QMenu;
class ScannerLayer;
class StatusLine;
struct PrintStatus;

// The copier's control panel. Drawing goes into an off-screen image of the
// client area which paintEvent copies to the screen, so the lit displays
// survive the window being covered.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 361;
    static constexpr int kClientHeight = 146;

    frmMain(ScannerLayer &scanner, Printing &printing, QWidget *parent = nullptr);
    ~frmMain() override;

    // The window's load: prepares the popup menus and runs InitMainWindow.
    void Form_Load();

    // Paints a glyph display into the window's image and shows it.
    void DrawDisplay(const QString &text, int x, int y);

    const QImage &image() const { return m_image; }
    Counters &counters() { return m_counters; }

    LabelButton *lblCopies = nullptr;
    LabelButton *lblScale = nullptr;
    LabelButton *lblDarkness = nullptr;
    LabelButton *lblSelectSource = nullptr;
    LabelButton *lblSave = nullptr;
    LabelButton *lblPrintToDefault = nullptr;
    LabelButton *lblCopy = nullptr;
    LabelButton *lblExit = nullptr;
    // The band under the displays and captions: how the copy with the printer
    // goes, and Cancel. Hidden, the band as bare as the rest of the panel,
    // while no copy is with the printer.
    StatusLine *lblStatus = nullptr;
    LabelButton *lblCancel = nullptr;
    // The displays as the keyboard and assistive technology reach them.
    CounterDisplay *dspCopies = nullptr;
    CounterDisplay *dspScale = nullptr;
    QMenu *mnuCopies = nullptr;
    QMenu *mnuScale = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    friend void InitMainWindow(frmMain &form);

    LabelButton *addLabel(const char *name, int left, int top, int pointSize, const QColor &color);
    void addDisplays();
    void addBand();
    void showPrintStatus(const PrintStatus &status);
    QMenu *makeStepMenu(const QString &title, const char *name, void (frmMain::*step)(int));
    void stepCopies(int index);
    void stepScale(int index);
    void repaintDisplay(Counters::Display display);
    void openAbout();

    ScannerLayer &m_scanner;
    Printing &m_printing;
    Counters m_counters;
    QImage m_image;
    std::unique_ptr<CopyCommand> m_copyCommand;
    bool m_bandCancels = false; // Cancel cancels a job, rather than dismissing words
};

// Shows the window, captions the labels, resets and paints the counters and
// registers with the scanner layer, in that order.
void InitMainWindow(frmMain &form);

// Ends the program: every window closes, the About dialog too.
void ExitApplication();

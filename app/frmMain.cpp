// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmMain.h"

#include "about/AboutBox.h"
#include "common/Resources.h"
#include "common/version.h"
#include "copyjob/CopyCommand.h"
#include "copyjob/SourceSelection.h"
#include "copyjob/print/Printing.h"
#include "copyjob/scan/ScannerLayer.h"
#include "panel/CounterDisplay.h"
#include "panel/GlyphDisplay.h"
#include "panel/KeyboardFocus.h"
#include "panel/LabelButton.h"
#include "panel/StatusLine.h"
#include "panel/Toggles.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// The fixed colour of the command captions; the switches start in their off colour.
const QColor kBrightGreen{0, 255, 0};
const QColor kRed{255, 0, 0};
// The band the hidden menu bar left, under the scale display's mouse zone
// (which ends on row 130).
constexpr int kBandTop = 131;
constexpr int kBandMargin = 8;

} // namespace

frmMain::frmMain(ScannerLayer &scanner, Printing &printing, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_scanner(scanner), m_printing(printing),
      m_image(kClientWidth, kClientHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(mirel::kApplicationTitle));
    setFixedSize(kClientWidth, kClientHeight);
    // A picture of a copier's panel: in a right-to-left language too its
    // captions and displays stay where the design puts them.
    setLayoutDirection(Qt::LeftToRight);
    setFont(DesignFont(8));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    m_image.fill(Qt::black);

    // Placeholder captions; InitMainWindow puts the string table's texts in.
    lblCopies = addLabel("lblCopies", 8, 16, 8, kBrightGreen);
    lblScale = addLabel("lblScale", 8, 80, 8, kBrightGreen);
    lblDarkness = addLabel("lblDarkness", 40, 168, 8, kBrightGreen);
    lblSelectSource = addLabel("lblSelectSource", 160, 16, 8, kBrightGreen);
    lblSave = addLabel("lblSave", 160, 40, 8, kToggleOffColor);
    lblPrintToDefault = addLabel("lblPrintToDefault", 160, 56, 8, kToggleOffColor);
    lblCopy = addLabel("lblCopy", 160, 96, 18, kBrightGreen);
    lblExit = addLabel("lblExit", 272, 104, 12, kRed);
    lblDarkness->hide();
    lblSave->setCheckable(true);
    lblPrintToDefault->setCheckable(true);
    lblSave->setChecked(false);
    lblPrintToDefault->setChecked(false);

    mnuCopies = makeStepMenu(LoadResString(StringId::Copies), "mnuCopies", &frmMain::stepCopies);
    mnuScale = makeStepMenu(LoadResString(StringId::Scale), "mnuScale", &frmMain::stepScale);
    addDisplays();
    addBand();

    connect(lblCopies, &LabelButton::pressed, this,
            [this](Qt::MouseButtons buttons, const QPointF &globalPos) {
                if (buttons == Qt::RightButton)
                    mnuCopies->popup(globalPos.toPoint());
            });
    connect(lblScale, &LabelButton::pressed, this,
            [this](Qt::MouseButtons buttons, const QPointF &globalPos) {
                if (buttons == Qt::RightButton)
                    mnuScale->popup(globalPos.toPoint());
            });
    connect(lblPrintToDefault, &LabelButton::clicked, this,
            [this] { PrintToDefaultClick(*lblPrintToDefault, *lblSave); });
    connect(lblSave, &LabelButton::clicked, this,
            [this] { SaveClick(*lblSave, *lblPrintToDefault); });
    connect(lblSelectSource, &LabelButton::clicked, this,
            [this] { SelectSourceClick(this, m_scanner); });
    connect(lblExit, &LabelButton::clicked, this, &ExitApplication);

    m_copyCommand = std::make_unique<CopyCommand>(*this, m_scanner, m_printing);
    connect(lblCopy, &LabelButton::clicked, this, [this] {
        m_copyCommand->run({RouteFromSwitches(*lblPrintToDefault, *lblSave), m_counters.copies(),
                            m_counters.scale()});
    });
}

frmMain::~frmMain()
{
    m_printing.setStatusListener({});
}

void frmMain::addBand()
{
    lblStatus = new StatusLine(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->hide();
    lblCancel = addLabel("lblCancel", 0, kBandTop, 8, kRed);
    lblCancel->hide();
    setTabOrder(lblExit, lblCancel);
    connect(lblCancel, &LabelButton::clicked, this, [this] {
        if (m_bandCancels)
            m_printing.cancelLatestJob();
        else
            m_printing.dismissNotice();
    });
    m_printing.setStatusListener([this](const PrintStatus &status) { showPrintStatus(status); });
}

void frmMain::showPrintStatus(const PrintStatus &status)
{
    m_bandCancels = status.cancellable;
    //: A button on the copier panel's status band: cancels the copy being printed. At
    //: most 80 pixels wide at 8 pt (about 12 Latin letters).
    const QString cancel = tr("Cancel");
    //: A button on the copier panel's status band: dismisses what the band says. At most
    //: 80 pixels wide at 8 pt.
    const QString dismiss = tr("OK");
    lblCancel->setCaption(status.cancellable ? cancel : dismiss);
    // A script whose font is taller than the design's (Noto CJK is 16 rows at
    // 8 pt) rises into the band's first row rather than fall off the panel.
    const auto top = [](int height) { return std::min(kBandTop, kClientHeight - height); };
    lblCancel->move(kClientWidth - kBandMargin - lblCancel->width(), top(lblCancel->height()));
    lblCancel->setVisible(status.cancellable || status.dismissable);
    const int right = lblCancel->isVisible() ? lblCancel->x() : kClientWidth;
    const int height = lblStatus->fontMetrics().height();
    lblStatus->setGeometry(kBandMargin, top(height), right - 2 * kBandMargin, height);
    // Red, as Exit is, for what the user has to see to.
    const bool trouble = status.kind == PrintStatus::Kind::Problem || status.dismissable;
    lblStatus->setText(status.text, trouble ? kRed : kBrightGreen);
    lblStatus->setVisible(status.kind != PrintStatus::Kind::None);
}

void frmMain::addDisplays()
{
    const auto add = [this](Counters::Display display, const char *name, QMenu *menu) {
        auto *widget = new CounterDisplay(m_counters, display, this);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setStepMenu(menu);
        connect(widget, &CounterDisplay::changed, this, &frmMain::repaintDisplay);
        return widget;
    };
    dspCopies = add(Counters::Display::Copies, "dspCopies", mnuCopies);
    dspScale = add(Counters::Display::Scale, "dspScale", mnuScale);
    lblCopies->setStepMenu(mnuCopies);
    lblScale->setStepMenu(mnuScale);
    // Reading order, for Tab and for a screen reader walking the window's
    // children: the copies column, the scale column, then the commands.
    dspCopies->stackUnder(lblScale);
    dspScale->stackUnder(lblDarkness);
    const QList<QWidget *> order{lblCopies, dspCopies,         lblScale, dspScale, lblSelectSource,
                                 lblSave,   lblPrintToDefault, lblCopy,  lblExit};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

LabelButton *frmMain::addLabel(const char *name, int left, int top, int pointSize,
                               const QColor &color)
{
    auto *label = new LabelButton(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(DesignFont(pointSize));
    label->setForeColor(color);
    label->setCaption(QString::fromLatin1(name).mid(3));
    label->move(left, top);
    return label;
}

QMenu *frmMain::makeStepMenu(const QString &title, const char *name, void (frmMain::*step)(int))
{
    // Steps, not words: the same in every language.
    static const char *const captions[] = {"- 25", "- 10", "- 5",  "- 1",
                                           "+ 1",  "+ 5",  "+ 10", "+ 25"};
    auto *menu = new QMenu(title, this);
    menu->setObjectName(QString::fromLatin1(name));
    for (int index = 0; index < 8; ++index) {
        QAction *action = menu->addAction(QString::fromLatin1(captions[index]));
        action->setData(index);
        connect(action, &QAction::triggered, this, [this, step, index] { (this->*step)(index); });
    }
    menu->addSeparator();
    //: The last entry of the copier panel's step menus; opens the About box.
    QAction *about = menu->addAction(tr("&About"));
    about->setObjectName(QString::fromLatin1(name) + QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &frmMain::openAbout);
    return menu;
}

void frmMain::Form_Load()
{
    // The two menus only ever appear as popups: no menu bar is shown.
    mnuCopies->hide();
    mnuScale->hide();
    InitMainWindow(*this);
}

void frmMain::DrawDisplay(const QString &text, int x, int y)
{
    ::DrawDisplay(m_image, text, x, y);
    update();
}

void frmMain::repaintDisplay(Counters::Display display)
{
    const QPoint at = Counters::origin(display);
    if (display == Counters::Display::Copies)
        DrawDisplay(m_counters.copiesText(), at.x(), at.y());
    else if (display == Counters::Display::Scale)
        DrawDisplay(m_counters.scaleText(), at.x(), at.y());
    if (display != Counters::Display::None)
        (display == Counters::Display::Copies ? dspCopies : dspScale)->announceValue();
}

void frmMain::stepCopies(int index)
{
    m_counters.stepCopies(index);
    repaintDisplay(Counters::Display::Copies);
}

void frmMain::stepScale(int index)
{
    m_counters.stepScale(index);
    repaintDisplay(Counters::Display::Scale);
}

void frmMain::openAbout()
{
    OpenAbout(m_scanner);
}

void frmMain::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), m_image, event->rect());
    // Reading the icon loads Qt's image plugins, which the first paint does
    // not need: the title bar gets it right after.
    if (windowIcon().isNull())
        QTimer::singleShot(0, this, [this] { setWindowIcon(LoadAppIcon()); });
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    SetKeyboardInUse(*this, false);
    repaintDisplay(m_counters.pressOnPanel(event->buttons(), event->position()));
    event->accept();
}

void InitMainWindow(frmMain &form)
{
    form.show();
    form.lblCopies->setCaption(LoadResString(StringId::Copies));
    form.lblDarkness->setCaption(LoadResString(StringId::Darkness));
    form.lblScale->setCaption(LoadResString(StringId::Scale));
    form.lblCopy->setCaption(LoadResString(StringId::Copy));
    form.lblPrintToDefault->setCaption(LoadResString(StringId::PrintToDefault));
    form.lblSave->setCaption(LoadResString(StringId::Save));
    form.lblSelectSource->setCaption(LoadResString(StringId::SelectSource));
    form.lblExit->setCaption(LoadResString(StringId::Exit));
    form.dspCopies->setAccessibleName(form.lblCopies->text());
    form.dspScale->setAccessibleName(form.lblScale->text());
    form.m_counters.reset();
    form.repaintDisplay(Counters::Display::Copies);
    form.repaintDisplay(Counters::Display::Scale);
    // Registration only records who we are; no scanner is looked for here.
    // Protocol 2.0, English (13) in the USA (1), and the version as major.minor.
    const QString version =
        QStringLiteral("%1.%2").arg(mirel::kVersionMajor).arg(mirel::kVersionMinor);
    form.m_scanner.TWAIN_RegisterApp(2, 0, 13, 1, version,
                                     QString::fromLatin1(mirel::kManufacturer),
                                     QStringLiteral("Mirel"), QStringLiteral("Mirel v") + version);
}

void ExitApplication()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

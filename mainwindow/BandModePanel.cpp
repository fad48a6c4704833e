#include "mainwindow/BandModePanel.h"

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "mainwindow/BandMode.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainLoad.h"

BandModePanel::BandModePanel(MainFrame& window) : w_(window)
{
    // The seven public band commands go through the window (they are MainLogWindow's); 2 m has
    // no public member.
    const struct {
        const char* item;
        void (*command)(MainFrame&);
    } bands[] = {
        {"mnuBand160Ch", [](MainFrame& w) { w.mnuBand160Ch_Click(); }},
        {"mnuBand80Ch", [](MainFrame& w) { w.mnuBand80Ch_Click(); }},
        {"mnuBand40Ch", [](MainFrame& w) { w.mnuBand40Ch_Click(); }},
        {"mnuBand20Ch", [](MainFrame& w) { w.mnuBand20Ch_Click(); }},
        {"mnuBand15Ch", [](MainFrame& w) { w.mnuBand15Ch_Click(); }},
        {"mnuBand10Ch", [](MainFrame& w) { w.mnuBand10Ch_Click(); }},
        {"mnuBand6Ch", [](MainFrame& w) { w.mnuBand6Ch_Click(); }},
    };
    for (const auto& b : bands)
        if (QAction* a = w_.action(QString::fromLatin1(b.item)))
            connect(a, &QAction::triggered, this, [this, c = b.command] { c(w_); });
    if (QAction* a = w_.action(QStringLiteral("mnuBand2Ch")))
        connect(a, &QAction::triggered, this, [this] { mnuBandCh_Click(QStringLiteral("2")); });
    if (QAction* a = w_.action(QStringLiteral("mnu160")))
        connect(a, &QAction::triggered, this, [this] { mnu160_Click(); });
    if (QAction* a = w_.action(QStringLiteral("mnuSSB")))
        connect(a, &QAction::triggered, this, [this] { mnuSSB_Click(); });
    if (QAction* a = w_.action(QStringLiteral("mnuDigital")))
        connect(a, &QAction::triggered, this, [this] { mnuDigital_Click(); });
    w_.Label24->installEventFilter(this);
    w_.Label30->installEventFilter(this);
}

bool BandModePanel::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a release of the left button over the label.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint())) {
            if (watched == w_.Label24)
                Label24_Click();
            else if (watched == w_.Label30)
                Label30_Click();
        }
    }
    return QObject::eventFilter(watched, event);
}

void BandModePanel::restoreModeTicks()
{
    w_.Label30->setText(G.CurrentMode);
    QAction* cw = w_.action(QStringLiteral("mnu160"));
    QAction* ph = w_.action(QStringLiteral("mnuSSB"));
    QAction* dg = w_.action(QStringLiteral("mnuDigital"));
    cw->setChecked(true);
    ph->setChecked(false);
    dg->setChecked(false);
    switch (MainLoad::modeItem(G.CurrentMode)) {
    case MainLoad::ModeItem::PH:
        cw->setChecked(false);
        ph->setChecked(true);
        break;
    case MainLoad::ModeItem::DG:
        cw->setChecked(false);
        dg->setChecked(true);
        break;
    case MainLoad::ModeItem::CW: break;
    }
}

void BandModePanel::restoreBandTick()
{
    const int i = MainLoad::bandIndex(G.CurrentBand);
    if (i < 0)
        return;
    const QString name = MainLoad::bandNames()[i];
    w_.action(QStringLiteral("mnuBand%1Ch").arg(name))->setChecked(true);
    w_.Label24->setText(name);
}

void BandModePanel::setReportLengths()
{
    const int n = MainLoad::reportMaxLength(G.CurrentMode);
    w_.withEntry([this, n](Entry::EntryRow* row) {
        if (row) {
            row->setReportLength(n);
            return;
        }
        // A report already typed stays whole: the limit holds for further typing.
        for (QLineEdit* e : {w_.txtRSTR, w_.txtRSTS})
            e->setMaxLength(std::max(n, int(e->text().size())));
    });
}

void BandModePanel::AfterBandChange()
{
    for (const QString& b : MainLoad::bandNames())
        if (QAction* a = w_.action(QStringLiteral("mnuBand%1Ch").arg(b)))
            a->setChecked(false);
    if (MainServices::SpotPanel* spots = w_.spotPanel()) {
        if (w_.txtDX->isVisible() || w_.lblDX->isVisible())
            spots->SetBandMapRange();
        if (w_.lblDX->isVisible())
            spots->DisplayBandMapLabels();
    }
    rerunStateField();
}

void BandModePanel::rerunStateField()
{
    if (w_.variant().modeCommandsRerunStateField && !w_.txtCall->text().isEmpty())
        w_.rerunStateField();
}

void BandModePanel::mnuBandCh_Click(const QString& band)
{
    G.CurrentBand = band;
    AfterBandChange();
    if (QAction* a = w_.action(QStringLiteral("mnuBand%1Ch").arg(band)))
        a->setChecked(true);
    w_.Label24->setText(band);
    Module2::MarkPrefStored(Module2::PrefItem::CurrentBand);
    Module2::WriteQSOpref();
    w_.ReloadLog();
}

void BandModePanel::modeCommand(const QString& mode)
{
    G.CurrentMode = mode;
    w_.Label30->setText(G.CurrentMode);
    Module2::MarkPrefStored(Module2::PrefItem::CurrentMode);
    Module2::WriteQSOpref();
    w_.ReloadLog();
    const MainLoad::ModeItem item = MainLoad::modeItem(mode);
    w_.action(QStringLiteral("mnu160"))->setChecked(item == MainLoad::ModeItem::CW);
    w_.action(QStringLiteral("mnuSSB"))->setChecked(item == MainLoad::ModeItem::PH);
    w_.action(QStringLiteral("mnuDigital"))->setChecked(item == MainLoad::ModeItem::DG);
    setReportLengths();
    if (item != MainLoad::ModeItem::DG)
        rerunStateField();
}

void BandModePanel::Label24_Click()
{
    const QString next = BandMode::nextBand(G.CurrentBand);
    if (next.isEmpty())
        return;
    // Through the window's public band commands, as the menu runs them.
    if (next == QLatin1String("160"))
        w_.mnuBand160Ch_Click();
    else if (next == QLatin1String("80"))
        w_.mnuBand80Ch_Click();
    else if (next == QLatin1String("40"))
        w_.mnuBand40Ch_Click();
    else if (next == QLatin1String("20"))
        w_.mnuBand20Ch_Click();
    else if (next == QLatin1String("15"))
        w_.mnuBand15Ch_Click();
    else
        w_.mnuBand10Ch_Click();
}

void BandModePanel::Label30_Click() { modeCommand(BandMode::nextMode(G.CurrentMode)); }

void BandModePanel::BandFreqConversion(float& frequencyValue)
{
    const QString band = BandMode::bandCommandFor(frequencyValue, G.CurrentBand);
    if (!band.isEmpty())
        mnuBandCh_Click(band);
    G.CurrentFrequency = BandMode::frequencyText(frequencyValue);
}

void BandModePanel::ModeSelection(QString& strMode)
{
    const QString mode = BandMode::modeCommandFor(strMode, G.CurrentMode);
    if (!mode.isEmpty())
        modeCommand(mode);
}

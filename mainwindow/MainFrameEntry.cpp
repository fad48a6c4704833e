// The entry row's wiring in a main window: the fields' keys and pastes, Clear and Esc, the
// partial-duplicate button, the county lists, and what the row asks of its window
// (Entry::EntryHost: the contact list, score, rates and spoken prompts).
#include "mainwindow/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPushButton>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/DupeCheck.h"
#include "entry/PostContest.h"
#include "entry/Tallies.h"
#include "keying/BlindFrm.h"
#include "mainwindow/EntryRowView.h"
#include "platform/Clock.h"
#include "platform/KeyEvents.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

// ---------------------------------------------------------------------------------------------
// Contact entry: the entry row, the partial-duplicate button, the county lists, score and rates.

void MainFrame::connectEntry()
{
    // Nothing pasted or dropped brings a double quote into a field (a bound row takes the pastes
    // of its fields before this filter sees them).
    for (QLineEdit* e : {txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate})
        KeyEvents::filterPaste(e, Entry::withoutQuotes, KeyEvents::CtrlKeys::Swallowed);

    connect(cmdDup, &QPushButton::clicked, this, [this] { cmdDup_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(List2, &QListWidget::itemClicked, this, [this] { List2_Click(); });
    // In the in-state window List1 lists DX countries: its click belongs to that window's entry.
    if (variant_.which == MainWindows::Which::Out)
        connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    if (List3)
        connect(List3, &QListWidget::itemClicked, this, [this] { List3_Click(); });
    if (QAction* clear = action(QStringLiteral("mnuClear")))
        connect(clear, &QAction::triggered, this, [this] { mnuClear_Click(); });
    if (QAction* post = action(QStringLiteral("mnuPostContest")))
        connect(post, &QAction::triggered, this, [this] { mnuPostContest_Click(); });
    // The focus the call field gets when the window first opens is the row's already (it starts
    // in the call field), so the row sees no move: its enter handler (the spoken "Call" among
    // others) runs here, once. Later activations of the window are no entry into the field.
    connect(static_cast<EntryBox*>(txtCall), &EntryBox::focusEntered, this, [this](Qt::FocusReason reason) {
        if (callEnteredAtStart_)
            return;
        callEnteredAtStart_ = true;
        if (reason != Qt::ActiveWindowFocusReason)
            return;
        withEntry([](Entry::EntryRow* row) {
            if (row && row->focus == Entry::Field::Call)
                row->txtCall_GotFocus();
        });
    });
    // The post-contest boxes' own keys and focus; a bound entry row takes both over.
    for (QLineEdit* box : {txtPostConTime, txtPostConDate}) {
        KeyEvents::hook(box, [this, box](int& KeyAscii) { postContestKeyPress(box, KeyAscii); });
        // After the box's own focus handling, so the selection made here is the one shown.
        connect(static_cast<EntryBox*>(box), &EntryBox::focusEntered, this, [this, box] { postContestGotFocus(box); });
    }
}

bool MainFrame::postContestOn() const { return !txtPostConTime->isHidden(); }

void MainFrame::mnuPostContest_Click()
{
    QAction* item = action(QStringLiteral("mnuPostContest"));
    const bool on = !postContestOn();
    for (QWidget* w : {static_cast<QWidget*>(lblPostConTime), static_cast<QWidget*>(txtPostConTime),
                       static_cast<QWidget*>(lblPostConDate), static_cast<QWidget*>(txtPostConDate)})
        w->setVisible(on);
    if (item)
        item->setChecked(on);
    withEntry([on](Entry::EntryRow* row) {
        if (row) {
            row->txtPostConTime.visible = on;
            row->txtPostConDate.visible = on;
        }
    });
}

void MainFrame::postContestKeyPress(QLineEdit* box, int& KeyAscii)
{
    if (entryView_)
        return;
    const PostContest::Box b = box == txtPostConTime ? PostContest::Box::Time : PostContest::Box::Date;
    switch (PostContest::keyPress(b, KeyAscii)) {
    case PostContest::KeyAction::Type: return;
    case PostContest::KeyAction::Discard: KeyAscii = 0; return;
    case PostContest::KeyAction::NextField:
        KeyAscii = 0;
        (box == txtPostConTime ? txtPostConDate : txtCall)->setFocus(Qt::TabFocusReason);
        return;
    case PostContest::KeyAction::Log:
        KeyAscii = 0;
        Mains();
        return;
    }
}

void MainFrame::postContestGotFocus(QLineEdit* box)
{
    if (entryView_)
        return;
    if (box == txtPostConDate) {
        const QString date = PostContest::dateOnFocus(box->text(), Platform::clock().read().local.date());
        if (date != box->text())
            box->setText(date);
    }
    setSelection(box, 0, int(box->text().size()));
}

void MainFrame::bindEntryRow(Entry::EntryRow& row)
{
    unbindEntryRow();
    row_ = &row;
    row.setHost(this);
    EntryWidgets w;
    w.fields = {txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate};
    w.lblDialog = lblDialog;
    w.lblDupe = lblDupe;
    w.Label19 = Label19;
    w.Label22 = Label22;
    w.Label23 = Label23;
    if (variant_.stateFieldShown) {
        w.Label3 = Label3;
        w.countyCaption = lblStation[4];
    }
    row.screenWidthTwips = int(Platform::Screen::current().width);
    entryView_ = std::make_unique<EntryRowView>(row, w, client_);
}

void MainFrame::unbindEntryRow()
{
    entryView_.reset();
    if (row_)
        row_->setHost(nullptr);
    row_ = nullptr;
}

void MainFrame::withEntry(const std::function<void(Entry::EntryRow*)>& f)
{
    if (entryView_)
        entryView_->run([&] { f(row_); });
    else
        f(nullptr);
}

QLineEdit* MainFrame::entryField(Entry::Field f) const
{
    switch (f) {
    case Entry::Field::Call: return txtCall;
    case Entry::Field::RSTR: return txtRSTR;
    case Entry::Field::Cntry: return txtCntry;
    case Entry::Field::Sec: return txtSec;
    case Entry::Field::RSTS: return txtRSTS;
    case Entry::Field::PostConTime: return txtPostConTime;
    case Entry::Field::PostConDate: return txtPostConDate;
    default: return nullptr;
    }
}

void MainFrame::setEntryFocus(Entry::Field f)
{
    withEntry([&](Entry::EntryRow* row) {
        if (row)
            row->setFocus(f);
        else if (QLineEdit* e = entryField(f))
            e->setFocus(Qt::OtherFocusReason);
    });
}

void MainFrame::ClearEntry()
{
    withEntry([](Entry::EntryRow* row) {
        if (row)
            row->ClearEntry();
    });
}

void MainFrame::cmdDup_Click()
{
    cmdDup->setText(DupeCheck::cmdDup_Click());
    withEntry([this](Entry::EntryRow* row) {
        if (row)
            row->labels.lblDupeBackColor = Entry::ColorButtonFace;
        else
            setLabelColors(lblDupe, Colors::toNumber(QApplication::palette().color(QPalette::Button)));
    });
    setEntryFocus(Entry::Field::Call);
}

void MainFrame::Command1_Click()
{
    setEntryFocus(Entry::Field::Call);
    if (countyLists_.Command1_Click())
        ReloadLog();
    showCountyLists();
}

void MainFrame::countyClicked(QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    if (!item)
        return;
    const CountyLists::Click c = CountyLists::countyClicked(countyLists_.window, item->text());
    withEntry([&](Entry::EntryRow* row) {
        if (row) {
            row->setText(Entry::Field::Sec, c.county);
            if (!c.state.isEmpty())
                row->setText(Entry::Field::Cntry, c.state);
            row->setFocus(c.focus);
            return;
        }
        txtSec->setText(c.county);
        if (!c.state.isEmpty())
            txtCntry->setText(c.state);
        if (QLineEdit* e = entryField(c.focus))
            e->setFocus(Qt::OtherFocusReason);
    });
}

void MainFrame::List1_Click() { countyClicked(List1); }
void MainFrame::List2_Click() { countyClicked(List2); }
void MainFrame::List3_Click()
{
    if (List3)
        countyClicked(List3);
}

void MainFrame::FillCountyLists()
{
    countyLists_.FillCountyLists();
    showCountyLists();
}

void MainFrame::UpdateCountyLists()
{
    countyLists_.UpdateCountyLists();
    showCountyLists();
}

void MainFrame::showCountyLists()
{
    // The model keeps both lists in the order of a sorted list box (ignoring case).
    auto fill = [](QListWidget* list, const QStringList& entries) {
        if (!list)
            return;
        list->setSortingEnabled(false);
        list->clear();
        list->addItems(entries);
    };
    fill(findChild<QListWidget*>(QString::fromLatin1(countyLists_.toGoListName())), countyLists_.toGo);
    fill(List2, countyLists_.worked);
    lblStation[countyLists_.workedHeaderIndex()]->setText(countyLists_.workedHeader);
    lblStation[countyLists_.toGoHeaderIndex()]->setText(countyLists_.toGoHeader);
    Command1->setText(countyLists_.filterCaption);
}

void MainFrame::showScore(const Tallies::ScoreTexts& t)
{
    lblTotCon->setText(t.lblTotCon);
    lblsectogo->setText(t.lblsectogo);
    lblTotSec->setText(t.lblTotSec);
    lblTotScore->setText(t.lblTotScore);
}

void MainFrame::showRates(const std::optional<Tallies::Rates>& rates)
{
    if (!rates)
        return;
    lblAQSO60->setText(QString::number(rates->perHour60));
    lblAQSO20->setText(QString::number(rates->perHour20));
}

void MainFrame::ShowScore() { showScore(Tallies::scoreTexts(Tallies::figures())); }

void MainFrame::ShowQSORates() { showRates(Tallies::QSORates()); }

// The spoken prompts play in the voice navigation window.
void MainFrame::BlindKeyPhone(const QString& name) { BlindFrm::instance().BlindKeyPhone(name); }
bool MainFrame::promptPlaying() { return BlindFrm::loaded() && BlindFrm::instance().promptPlaying(); }

void MainFrame::hideEditButtons() { contactList_->hideEditButtons(); }

int MainFrame::contactListRows() { return contactList_->rows(); }

void MainFrame::ListRecentContacts() { contactList_->ListRecentContacts(); }

bool MainFrame::listPreviousChecked()
{
    const QAction* a = action(QStringLiteral("mnuListPrevious"));
    return a && a->isChecked();
}

void MainFrame::listPreviousContacts(const QVector<int>& records) { contactList_->showRecords(records); }

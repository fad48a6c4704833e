#include "core/frmStationID.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/Globals.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"
#include "platform/VbControls.h"

namespace {

constexpr double DesignWidth = 4950;
constexpr double DesignHeight = 5400;

struct BoxRow {
    int box;
    const char* caption;
};
// The visible boxes from the top down, which is also their tab order.
constexpr BoxRow VisibleRows[] = {{1, "Please Enter your Call Sign:"},
                                  {5, "Your State / Province:"},
                                  {8, "Your County:"},
                                  {6, "Hours added for UTC:"},
                                  {2, "Your Country:"},
                                  {3, "Your Longitude:"},
                                  {4, "Your Latitude:"},
                                  {7, "Your Continent:"},
                                  {9, "Your ARRL Section:"}};
// Carried through unseen.
constexpr BoxRow HiddenRows[] = {{10, "Your Name:"}, {11, "Your Category:"}, {12, "Your City:"}};

void setBold(QWidget* w, bool bold)
{
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

}   // namespace

frmStationID::frmStationID(QWidget* parent) : DesignWindow(DesignWidth, DesignHeight, parent), Text(13, nullptr)
{
    setObjectName(QStringLiteral("frmStationID"));
    setWindowTitle(QStringLiteral(" Setup Information"));
    DesignLayout& d = design();

    auto addRow = [&](const BoxRow& row, double left, double top) {
        d.addLabel(QStringLiteral("Label%1").arg(row.box), QLatin1String(row.caption), left, top + 30, 2520, 255);
        Text[row.box] = d.addTextBox(QStringLiteral("Text%1").arg(row.box), QString(), left + 2580, top, 2100, 285);
    };
    for (int i = 0; i < 9; ++i)
        addRow(VisibleRows[i], 120, 120 + i * 345);
    // Outside the client area and invisible.
    for (int i = 0; i < 3; ++i) {
        addRow(HiddenRows[i], 6000, 120 + i * 345);
        d.widget(QStringLiteral("Label%1").arg(HiddenRows[i].box))->setVisible(false);
        Text[HiddenRows[i].box]->setVisible(false);
    }
    Text1 = Text[1];
    Text2 = Text[2];
    Text3 = Text[3];
    Text4 = Text[4];
    Text5 = Text[5];
    Text6 = Text[6];
    Text7 = Text[7];
    Text8 = Text[8];
    Text9 = Text[9];
    Text10 = Text[10];
    Text11 = Text[11];
    Text12 = Text[12];

    auto option = [&](const QString& name, const QString& caption, double left, QWidget* frame) {
        return d.addOption(name, caption, left, 270, 900, 255, frame);
    };
    Frame2 = d.addFrame(QStringLiteral("Frame2"), QStringLiteral("Are you in Vazazev?"), 120, 3300, 4710, 615);
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("Yes"), 1200, Frame2);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("No"), 2520, Frame2);
    Frame3 =
        d.addFrame(QStringLiteral("Frame3"), QStringLiteral("Are you operating as a Rover?"), 120, 4020, 4710, 615);
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("Yes"), 1200, Frame3);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("No"), 2520, Frame3);
    Command1 = d.addButton(QStringLiteral("Command1"), QStringLiteral("Done"), 1755, 4800, 1440, 420);

    // The hidden party frame: one button per state.
    Frame1 = d.addFrame(QStringLiteral("Frame1"), QStringLiteral("Please select the state QSO party:"), 6000, 1320,
                        3300, 3000);
    for (int i = 0; i < 50; ++i) {
        QRadioButton* o =
            d.addOption(QStringLiteral("optState_%1").arg(i), QLatin1String(StationSetup::PartyStateCaptions[i]),
                        120 + (i % 5) * 630, 240 + (i / 5) * 270, 600, 255, Frame1);
        optState.push_back(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { optState_Click(i); });
    }
    Frame1->setVisible(false);

    QWidget* previous = nullptr;
    for (const BoxRow& row : VisibleRows) {
        if (previous)
            setTabOrder(previous, Text[row.box]);
        previous = Text[row.box];
    }
    for (QWidget* w : {static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2), static_cast<QWidget*>(Option4),
                       static_cast<QWidget*>(Option3), static_cast<QWidget*>(Command1)}) {
        setTabOrder(previous, w);
        previous = w;
    }

    for (int box = 1; box <= 12; ++box) {
        if (box == 2)
            KeyEvents::hook(Text[box], [this](int& k) { Text2_KeyPress(k); });
        else if (box == 8)
            KeyEvents::hook(Text[box], [this](int& k) { Text8_KeyPress(k); });
        else
            KeyEvents::hook(Text[box], [this, box](int& k) { Text_KeyPress(box, k); });
        // The profile is stored in the list format, which cannot hold a double quote.
        KeyEvents::filterPaste(Text[box], [this, box](const QString& s) {
            QString clean = QString(s).remove(QLatin1Char('"'));
            if (box == 6)
                clean.truncate(StationSetup::utcBoxRoom(int(Text6->text().size()), int(Text6->selectedText().size())));
            return clean;
        });
    }
    Text6->installEventFilter(this);
    // Only the operator's own edits: the loading's setText does not count.
    for (int box = 1; box <= 12; ++box)
        connect(Text[box], &QLineEdit::textEdited, this, [this, box] { typed_[size_t(box)] = true; });

    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Form_Load();
}

void frmStationID::Form_Load()
{
    design().resizeForm();

    // The file steps, each on its own; the error box has been shown when one failed.
    load_ = StationSetup::loadData();

    const int party = StationSetup::partyStateIndex(G.PartyState);
    for (int i = 0; i < optState.size(); ++i) {
        setOptionValue(optState[i], i == party);
        if (i == party)
            setBold(optState[i], true);
    }

    const StationSetup::Answers a =
        StationSetup::answersFor(load_.outOfStateRead, load_.roverRead, G.OutOfStateFlag, G.RoverFlag);
    // Selecting an option runs its click handler, as a click would.
    if (a.inStateNo)
        setOptionValue(Option2, true);
    else if (a.inStateYes)
        setOptionValue(Option1, true);
    if (a.roverYes)
        setOptionValue(Option4, true);
    else if (a.roverNo)
        setOptionValue(Option3, true);

    if (const auto& fill = StationSetup::keyerSteps().fillPhoneWindow)
        fill();
    LoadCWSettings();

    const StationSetup::Boxes b = StationSetup::boxesFromProfile();
    for (int box = 1; box <= 12; ++box)
        Text[box]->setText(b[box]);
}

void frmStationID::LoadCWSettings()
{
    // The CW window is made only when CW.txt gave it something.
    if (const auto& fill = StationSetup::keyerSteps().fillCWWindow)
        fill();
}

StationSetup::Boxes frmStationID::boxes() const
{
    StationSetup::Boxes b;
    for (int box = 1; box <= 12; ++box)
        b[box] = Text[box]->text();
    return b;
}

void frmStationID::Command1_Click()
{
    StationSetup::Boxes b = boxes();
    if (!StationSetup::done(b, Option1->isChecked(), Option4->isChecked(), typed_)) {
        // The offset was refused with a message: back to it, to be typed again.
        Text6->setFocus(Qt::OtherFocusReason);
        Text6->selectAll();
        return;
    }
    for (int box : {6, 3, 4})
        Text[box]->setText(b[box]);
    MainWindows::showMainWindow();
    close();
}

void frmStationID::Option1_Click()
{
    for (QWidget* w : {static_cast<QWidget*>(Frame3), static_cast<QWidget*>(Option3), static_cast<QWidget*>(Option4)})
        w->setEnabled(true);
}

void frmStationID::Option2_Click()
{
    setOptionValue(Option4, false);
    setOptionValue(Option3, true);
    for (QWidget* w : {static_cast<QWidget*>(Frame3), static_cast<QWidget*>(Option3), static_cast<QWidget*>(Option4)})
        w->setEnabled(false);
}

void frmStationID::optState_Click(int Index)
{
    for (QRadioButton* o : optState)
        setBold(o, false);
    if (Index >= 0 && Index < optState.size())
        setBold(optState[Index], true);
}

void frmStationID::Text6_LostFocus()
{
    // Text that is no number, or a number outside the time zones, keeps the focus here.
    if (StationSetup::isUtcOffsetText(Text6->text()))
        return;
    Platform::prompts().beep();
    QTimer::singleShot(0, Text6, [box = Text6] { box->setFocus(Qt::OtherFocusReason); });
}

void frmStationID::Cap3(int& KeyAscii) { KeyAscii = StationSetup::Cap3(KeyAscii); }

void frmStationID::NumBerr(int& KeyAscii) { KeyAscii = StationSetup::NumBerr(KeyAscii); }

void frmStationID::Text_KeyPress(int box, int& KeyAscii)
{
    const StationSetup::KeyResult r = StationSetup::boxKey(box, KeyAscii);
    KeyAscii = r.key;
    // A full UTC box takes no further character; Backspace still works.
    if (box == 6 && KeyAscii >= ' ' &&
        StationSetup::utcBoxRoom(int(Text6->text().size()), int(Text6->selectedText().size())) == 0)
        KeyAscii = 0;
    if (r.runDone)
        Command1_Click();
}

void frmStationID::Text8_KeyPress(int& KeyAscii)
{
    const int caret = selStart(Text8);
    const StationSetup::KeyResult r = StationSetup::countyKey(Text8->text(), caret, KeyAscii);
    KeyAscii = r.key;
    if (r.runDone)
        Command1_Click();
}

void frmStationID::Text2_KeyPress(int& KeyAscii)
{
    const int caret = selStart(Text2);
    const StationSetup::CountryKeyResult r = StationSetup::countryKey(Text2->text(), caret, KeyAscii);
    KeyAscii = r.key;
    if (!r.completion)
        return;
    const StationSetup::Completion& c = *r.completion;
    Text2->setText(c.text);
    setSelection(Text2, c.selectionStart, c.selectionLength);
    Text3->setText(c.longitude);
    Text4->setText(c.latitude);
    Text7->setText(c.continent);
    for (int box : {2, 3, 4, 7})
        typed_[size_t(box)] = true;
}

bool frmStationID::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text6 && event->type() == QEvent::FocusOut) {
        // Leaving the box for another control of the window; not another window coming up.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            Text6_LostFocus();
    }
    return DesignWindow::eventFilter(watched, event);
}

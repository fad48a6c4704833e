#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include "core/DesignWindow.h"
#include "core/Globals.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/ContextMenu.h"

using Kind = ControlGeometry::Kind;

// Readable failure output for texts.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class DesignWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        Platform::setPrompts(&prompts);
        // 1.6 times the design screen in each direction, 15 twips a pixel.
        Platform::setScreenOverride(Platform::Screen::ofSize(15360, 11520));
    }
    void TearDown() override
    {
        Platform::setScreenOverride(std::nullopt);
        Platform::setPrompts(nullptr);
    }
    Platform::ScriptedPrompts prompts;
};

}   // namespace

TEST_F(DesignWindowTest, ControlsStartAtTheirDesignRectangles)
{
    DesignWindow w(6000, 4500);
    auto* label = w.add<QLabel>("Label1", Kind::Label, 150, 300, 750, 450, 10);
    EXPECT_EQ(label->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(label->parentWidget(), &w);
    EXPECT_EQ(label->geometry(), QRect(10, 20, 50, 30));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10);
    EXPECT_EQ(w.size(), QSize(400, 300));
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.design().widget("Label1"), label);
    ASSERT_NE(w.control("Label1"), nullptr);
    EXPECT_DOUBLE_EQ(w.control("Label1")->width, 750);
    EXPECT_EQ(w.control("Nothing"), nullptr);
}

TEST_F(DesignWindowTest, ResizeFormScalesWidgetsToTheScreen)
{
    QWidget parent;
    DesignWindow w(6000, 4500, &parent);
    EXPECT_TRUE(w.isWindow());
    auto* text = w.add<QLineEdit>("txtCall", Kind::TextBox, 150, 300, 750, 450, 8);
    auto* combo = w.add<QComboBox>("cboBand", Kind::ComboBox, 1500, 300, 1500, 300, 8);
    w.resizeForm();

    EXPECT_EQ(text->geometry(), QRect(16, 32, 80, 48));
    EXPECT_NEAR(text->font().pointSizeF(), 12.8, 0.01);
    EXPECT_EQ(combo->geometry(), QRect(160, 32, 160, 20));   // height kept
    // Outer 6120 x 4905 twips becomes 9792 x 7848; the client area is that less the frame.
    const FormGeometry& g = w.design().geometry();
    EXPECT_FLOAT_EQ(g.width, 9792);
    EXPECT_EQ(w.size(), QSize(qRound((9792 - g.borderWidth) / 15), qRound((7848 - g.captionHeight) / 15)));
    EXPECT_EQ(w.pos(), QPoint(qRound(2784 / 15.0), qRound(1666 / 15.0)));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DesignWindowTest, ControlsInAFrameStayRelativeToIt)
{
    DesignWindow w(6000, 4500);
    auto* frame = w.add<QGroupBox>("Frame1", Kind::Frame, 1500, 1500, 3000, 2250);
    auto* option = w.add<QRadioButton>("Option1", Kind::OptionButton, 150, 300, 750, 300, 8, frame);
    EXPECT_EQ(option->parentWidget(), frame);
    w.resizeForm();
    EXPECT_EQ(frame->geometry(), QRect(160, 160, 320, 240));
    EXPECT_EQ(option->geometry(), QRect(16, 32, 80, 32));
    EXPECT_EQ(option->mapTo(&w, QPoint(0, 0)), QPoint(176, 192));
}

TEST_F(DesignWindowTest, AFramesOptionColumnStepsDownInsideTheFrame)
{
    DesignWindow w(6000, 4500);
    QRadioButton* first = nullptr;
    QRadioButton* third = nullptr;
    QGroupBox* frame = w.design().addFrame("fraPoll", "Polling:", 1500, 1500, 3000, 2250);
    const QVector<QRadioButton*> made = w.design().addOptionColumn(
        frame, {{&first, "optFast", "Fast"}, {nullptr, "optMed", "Medium"}, {&third, "optSlow", "Slow"}}, 150, 300, 450,
        1500, 255);

    EXPECT_EQ(frame->title(), QStringLiteral("Polling:"));
    ASSERT_EQ(made.size(), 3);
    EXPECT_EQ(first, made[0]);
    EXPECT_EQ(third, made[2]);
    const char* names[] = {"optFast", "optMed", "optSlow"};
    const char* captions[] = {"Fast", "Medium", "Slow"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(made[i]->objectName(), QLatin1String(names[i]));
        EXPECT_EQ(made[i]->text(), QLatin1String(captions[i]));
        EXPECT_EQ(made[i]->parentWidget(), frame);
        ASSERT_NE(w.control(names[i]), nullptr);
        EXPECT_DOUBLE_EQ(w.control(names[i])->top, 300 + 450 * i);
        EXPECT_DOUBLE_EQ(w.control(names[i])->left, 150);
        EXPECT_DOUBLE_EQ(w.control(names[i])->fontSize, DefaultFontPt);
    }
    EXPECT_EQ(made[1]->geometry(), QRect(10, 50, 100, 17));
}

TEST_F(DesignWindowTest, EveryControlKeepsItsOwnFont)
{
    DesignWindow w(6000, 4500);
    auto* frame = w.add<QGroupBox>("Frame1", Kind::Frame, 0, 0, 3000, 2000, 12);
    auto* inside = w.add<QLabel>("Label1", Kind::Label, 100, 100, 1000, 300, 8.25, frame);
    QFont big(QStringLiteral("Serif"), 30);
    big.setBold(true);
    w.setFont(big);
    frame->setFont(big);
    EXPECT_DOUBLE_EQ(inside->font().pointSizeF(), 8.25);
    EXPECT_FALSE(inside->font().bold());

    // A font name from the model reaches the control; the form's own font follows its model too.
    w.resizeFormTo(9600, 7200, 9600, 7200, 0, 1, QStringLiteral("Serif"));
    EXPECT_EQ(inside->font().family(), QStringLiteral("Serif"));
    EXPECT_EQ(w.font().family(), QStringLiteral("Serif"));
}

TEST_F(DesignWindowTest, ListViewColumnsAndLines)
{
    Platform::setScreenOverride(Platform::Screen::ofSize(28800, 16200));
    DesignWindow w(9600, 7200);
    auto* list = w.add<QTreeWidget>("ListView1", Kind::ListView, 0, 0, 6000, 3000);
    w.design().setColumns(list, {1200, 600, 0, 300});
    EXPECT_EQ(list->columnCount(), 4);
    EXPECT_EQ(list->header()->sectionSize(0), 80);
    auto* table = w.add<QTableWidget>("Grid", Kind::ListView, 0, 3000, 6000, 3000);
    w.design().setColumns(table, {1500, 750});
    EXPECT_EQ(table->columnWidth(1), 50);

    VbLine* line = w.addLine("Line3", 0, 3600, 9600, 3600);
    EXPECT_EQ(line->objectName(), QStringLiteral("Line3"));
    w.resizeForm();
    // Columns follow the horizontal factor 3; a column of width 0 stays hidden.
    EXPECT_EQ(list->header()->sectionSize(0), 240);
    EXPECT_EQ(list->header()->sectionSize(1), 120);
    EXPECT_EQ(list->header()->sectionSize(2), 0);
    EXPECT_EQ(list->header()->sectionSize(3), 60);
    EXPECT_EQ(table->columnWidth(0), 300);
    // The line runs across the whole screen width at half the screen height (factor 2.25).
    EXPECT_EQ(line->end1(), QPoint(0, 540));
    EXPECT_EQ(line->end2(), QPoint(1920, 540));
    EXPECT_EQ(line->geometry().top(), 540);
    EXPECT_EQ(line->geometry(), QRect(0, 540, 1921, 1));
}

TEST_F(DesignWindowTest, ADialogCanOwnTheLayout)
{
    QDialog dialog;
    DesignLayout design(&dialog, 3000, 1500);
    auto* ok = design.add<QLabel>("Label1", Kind::Label, 150, 150, 1500, 300);
    EXPECT_EQ(ok->parentWidget(), &dialog);
    design.resizeForm();
    EXPECT_EQ(dialog.size(), QSize(qRound((3120 * 1.6 - 120) / 15), qRound((1905 * 1.6 - 405) / 15)));
    EXPECT_EQ(ok->geometry(), QRect(16, 16, 160, 32));
}

TEST_F(DesignWindowTest, ScreenFromThePrimaryScreen)
{
    Platform::setScreenOverride(std::nullopt);
    QScreen* q = QGuiApplication::primaryScreen();
    ASSERT_NE(q, nullptr);
    const Platform::Screen s = Platform::Screen::current();
    EXPECT_DOUBLE_EQ(s.twipsPerPixelX, 1440.0 / q->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(s.width, q->geometry().width() * s.twipsPerPixelX);
    EXPECT_DOUBLE_EQ(s.workHeight, q->availableGeometry().height() * s.twipsPerPixelY);
    EXPECT_EQ(s.toPixelsX(s.width), q->geometry().width());
}

TEST(KeyCodes, QtKeysMapToVirtualKeyCodes)
{
    const std::pair<int, int> cases[] = {
        {Qt::Key_F1, 112},    {Qt::Key_F12, 123},   {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
        {Qt::Key_Escape, 27}, {Qt::Key_Up, 38},     {Qt::Key_Down, 40},    {Qt::Key_Tab, 9},
        {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},       {Qt::Key_Exclam, 49},
        {Qt::Key_Space, 32},  {Qt::Key_Delete, 46}, {Qt::Key_Period, 190}, {Qt::Key_unknown, 0},
    };
    for (auto [qt, vk] : cases)
        EXPECT_EQ(KeyEvents::keyCodeOf(qt), vk) << qt;
    EXPECT_EQ(KeyEvents::shiftOf(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(KeyEvents::shiftOf(Qt::ControlModifier), 2);
}

TEST(KeyEventsTest, KeyPressDropsOrReplacesCharacters)
{
    QLineEdit edit;
    QVector<int> seen;
    KeyEvents::hook(&edit, [&](int& k) {
        seen.push_back(k);
        if (k >= '0' && k <= '9')
            k = 0;   // digits are dropped
        else if (k >= 'a' && k <= 'z')
            k = k - 'a' + 'A';   // letters typed in capitals
    });
    QTest::keyClicks(&edit, "k9x/");
    EXPECT_EQ(edit.text(), QStringLiteral("KX/"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Left);   // types nothing: no KeyPress
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(seen, (QVector<int>{'k', '9', 'x', '/', 13, 1}));
}

TEST(KeyEventsTest, KeyDownSeesCodesAndCanStopTheControlsOwnHandling)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("ABC"));
    edit.setCursorPosition(3);
    QVector<std::pair<int, int>> downs;
    QVector<int> presses;
    KeyEvents::hook(
        &edit, [&](int& k) { presses.push_back(k); },
        [&](int& code, int shift) {
            downs.push_back({code, shift});
            if (code == KeyEvents::vbKeyHome || code == 'B')
                code = 0;
        });
    QTest::keyClick(&edit, Qt::Key_Home);
    EXPECT_EQ(edit.cursorPosition(), 3);
    QTest::keyClick(&edit, Qt::Key_F5, Qt::ControlModifier);
    // A character key still types and reaches KeyPress when KeyDown clears its code.
    QTest::keyClick(&edit, Qt::Key_B);
    EXPECT_EQ(edit.text(), QStringLiteral("ABCb"));
    // The Ctrl key itself comes down first, as on a keyboard.
    EXPECT_EQ(downs, (QVector<std::pair<int, int>>{{36, 0}, {17, 2}, {116, 2}, {66, 0}}));
    EXPECT_EQ(presses, QVector<int>{'b'});
}

TEST(KeyEventsTest, FormSeesKeysFirst)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    QStringList order;
    KeyEvents::hook(edit, [&](int& k) { order << QStringLiteral("control %1").arg(QChar(k)); });
    KeyEvents::hookForm(
        &form,
        [&](int& k) {
            order << QStringLiteral("form %1").arg(QChar(k));
            if (k == 'a')
                k = 'b';
            else if (k == 'q')
                k = 0;
        },
        [&](int& code, int) {
            if (code >= 112)
                order << QStringLiteral("form F%1").arg(code - 111);
        });
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Q);
    // F5 is not the edit's: it travels to the form, and the preview still sees it once.
    QTest::keyClick(edit, Qt::Key_F5);
    QTest::keyClick(&form, Qt::Key_F6);
    QTest::keyClick(otherEdit, Qt::Key_Z);
    EXPECT_EQ(order, (QStringList{"form a", "control b", "form q", "form F5", "form F6"}));
    EXPECT_EQ(edit->text(), QStringLiteral("b"));
    EXPECT_EQ(otherEdit->text(), QStringLiteral("z"));
}

TEST(KeyEventsTest, PastedAndDroppedTextIsCleaned)
{
    QLineEdit edit;
    auto dropQuotes = [](const QString& s) { return QString(s).remove(QLatin1Char('"')); };
    KeyEvents::filterPaste(&edit, dropQuotes);
    QApplication::clipboard()->setText(QStringLiteral("K9\"XYZ\""));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("K9XYZ"));

    edit.clear();
    QApplication::clipboard()->setText(QStringLiteral("\"\""));
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), QString());

    QMimeData mime;
    mime.setText(QStringLiteral("\"OH\""));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &enter);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &drop);
    EXPECT_EQ(edit.text(), QStringLiteral("OH"));

    // The context menu's Paste goes through the same cleaning.
    edit.clear();
    QApplication::clipboard()->setText(QStringLiteral("W\"1AW"));
    pasteByContextMenu(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("W1AW"));
}

TEST(VbControlsTest, OptionSetFromCodeRunsItsClickHandler)
{
    QWidget form;
    auto* a = new QRadioButton(&form);
    auto* b = new QRadioButton(&form);
    QStringList clicks;
    QObject::connect(a, &QAbstractButton::clicked, [&] { clicks << "a"; });
    QObject::connect(b, &QAbstractButton::clicked, [&] { clicks << "b"; });
    setOptionValue(a, true);
    setOptionValue(a, true);   // already on: no click
    setOptionValue(b, true);   // turns a off without a click for a
    EXPECT_FALSE(a->isChecked());
    setOptionValue(b, false);
    EXPECT_EQ(clicks, (QStringList{"a", "b"}));

    QCheckBox check;
    int checkClicks = 0;
    QObject::connect(&check, &QAbstractButton::clicked, [&] { ++checkClicks; });
    setOptionValue(&check, true);
    setOptionValue(&check, true);
    setOptionValue(&check, false);
    EXPECT_EQ(checkClicks, 2);
}

TEST(VbControlsTest, TimerWithIntervalZeroNeverFires)
{
    VbTimer timer;
    int fired = 0;
    QObject::connect(&timer, &VbTimer::timeout, [&] { ++fired; });
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_FALSE(timer.isRunning());
    QTest::qWait(30);
    EXPECT_EQ(fired, 0);

    timer.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, 2000));
    timer.setEnabled(false);
    timer.setInterval(0);
    timer.setEnabled(true);
    const int before = fired;
    QTest::qWait(30);
    EXPECT_EQ(fired, before);
    EXPECT_FALSE(timer.isRunning());
}

// An edit being destroyed still gets events (it loses the focus), when it is no longer a
// QLineEdit: the paste filter must leave it alone then. (Under the undefined-behaviour sanitizer
// a call into the half-destroyed edit is reported.)
TEST(KeyEventsTest, PasteFilterLeavesAnEditBeingDestroyedAlone)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    int cleaned = 0;
    KeyEvents::filterPaste(edit, [&](const QString& s) {
        ++cleaned;
        return s;
    });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    delete edit;
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(cleaned, 0);
}

// Setting an option off from code clears it even as the one set of its group, with either kind of
// exclusive group, and runs no handler: a group can show none set.
TEST(VbControlsTest, OptionSetOffLeavesItsGroupWithNoneSet)
{
    QWidget form;
    auto* a = new QRadioButton(&form);
    auto* b = new QRadioButton(&form);
    auto* c = new QRadioButton(&form);
    auto* d = new QRadioButton(&form);
    c->setAutoExclusive(false);
    d->setAutoExclusive(false);
    QButtonGroup group;
    group.addButton(c);
    group.addButton(d);
    int clicks = 0;
    for (QRadioButton* o : {a, b, c, d})
        QObject::connect(o, &QAbstractButton::clicked, [&] { ++clicks; });
    for (auto [on, off] : {std::pair{a, b}, std::pair{c, d}}) {
        setOptionValue(on, true);
        setOptionValue(on, false);
        EXPECT_FALSE(on->isChecked());
        EXPECT_FALSE(off->isChecked());
        setOptionValue(off, true);   // the group is still exclusive afterwards
        EXPECT_FALSE(on->isChecked());
        on->click();
        EXPECT_FALSE(off->isChecked());
    }
    EXPECT_EQ(clicks, 6);
}

// The selection of a one-line box as the windows set it: SelStart is where a selection begins
// (after a select-all the caret stands at the end), SelLength counts from there and is cut at
// the end of the text, and a length of 0 leaves only the caret.
TEST(VbControlsTest, SelStartAndSelLengthOfATextBox)
{
    struct Case {
        const char* name;
        std::function<void(QLineEdit&)> before;
        int start;   // -1: keep SelStart (setSelLength)
        int length;
        int selStart;
        const char* selected;
        int caret;
    };
    const Case cases[] = {
        {"select-all keeps its start", [](QLineEdit& e) { e.selectAll(); }, -1, 7, 0, "De Kalb", 7},
        {"from the caret to the end", [](QLineEdit& e) { e.setCursorPosition(3); }, -1, 7, 3, "Kalb", 7},
        {"selection made backwards", [](QLineEdit& e) { e.setSelection(5, -3); }, -1, 7, 2, " Kalb", 7},
        {"start and length", {}, 3, 2, 3, "Ka", 5},
        {"length cut at the end", {}, 5, 40, 5, "lb", 7},
        {"length 0 is the caret only", [](QLineEdit& e) { e.selectAll(); }, 4, 0, 4, "", 4},
        {"start past the end", {}, 99, 3, 7, "", 7},
    };
    for (const Case& c : cases) {
        QLineEdit e(QStringLiteral("De Kalb"));
        if (c.before)
            c.before(e);
        if (c.start < 0)
            setSelLength(&e, c.length);
        else
            setSelection(&e, c.start, c.length);
        EXPECT_EQ(selStart(&e), c.selStart) << c.name;
        EXPECT_EQ(e.selectedText(), QString::fromLatin1(c.selected)) << c.name;
        EXPECT_EQ(e.cursorPosition(), c.caret) << c.name;
    }
}

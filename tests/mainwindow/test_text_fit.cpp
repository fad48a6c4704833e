// Every text the program shows fits its control, in every window, at the design screen and on
// two common screens: each window is opened as the operator opens it (menus, hot keys, the
// buttons of the window before it), with a full log, and every shown label, button, option
// button, check box, frame title, column header and program-set box text is measured with the
// font the widget really got against the rectangle the style draws it in (tests/support/TextFit).
// A window opened here also has to show the captions its design gives it. Message boxes of fixed
// wording are shown through the program's own prompt service and measured the same way.
// Every window's frame, title bar included, has to lie inside the screen's work area.
//
// The windows: both main windows (with a full log and with an empty one, and in post-contest mode
// with an evening clock at full size and at 80 % and 90 % of the screen), the station setup, the
// logo, the county list, county map, rate graph, help, colours, county change (fixed and rover),
// both edit dialogs, the summary form, privileges, spectrum map, tuning panel, rig window, rig
// command test, spot window, CW window, code practice, keyer device window, voice keyer and
// voice navigation. Not opened: the start form frmSplash and the facade Form1 are never shown.
// Not measured: pictures, the rows of lists with columns (a text wider than its column is cut in
// its cell by design; the column checks below see to that), the rows of the other lists but the
// main windows' side lists (measured below), and multi-line text areas (help text, terminals),
// whose text wraps and scrolls by design.
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "core/Form1.h"
#include "core/Form5.h"
#include "core/Form6.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/ProgramLock.h"
#include "core/StationSetup.h"
#include "core/frmQuoltLogo.h"
#include "core/frmStationID.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "keying/frmCodePractice.h"
#include "keying/frmWinKey.h"
#include "mainwindow/AppHooks.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/MainLoad.h"
#include "mainwindow/MainSizing.h"
#include "mainwindow/Outfrm.h"
#include "mainwindow/ReportTools.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "reports/CountyMapIN.h"
#include "reports/DECabrilloIn.h"
#include "reports/DEEdit.h"
#include "reports/GraphQSO.h"
#include "reports/frmCountyChange.h"
#include "reports/frmCountyChangeRover.h"
#include "reports/frmCountyList.h"
#include "rig/RigControlfrm.h"
#include "rig/frmBandPlan.h"
#include "rig/frmFrequencyTest.h"
#include "rig/frmRigTune.h"
#include "spots/HFMapWindow.h"
#include "spots/PacketSpotfrm.h"
#include "spots/SpotStore.h"
#include "tests/mainwindow/MainFrameFixture.h"
#include "tests/support/TextFit.h"

namespace {

// ---- Screens -------------------------------------------------------------------------------------

struct ScreenRow {
    const char* name;
    int widthPx, heightPx;   // at 96 dpi, 15 twips a pixel
};
const ScreenRow kScreens[] = {
    {"Design640x480", 640, 480}, {"Screen1280x1024", 1280, 1024}, {"Screen1920x1080", 1920, 1080}};

// ---- Logs ----------------------------------------------------------------------------------------

QByteArray record(const QStringList& v)
{
    // call, sent, received, state, county, spare, county sent, 4 spare, date, time, mode, band,
    // number, 2 spare, frequency
    QByteArray line;
    for (int i = 0; i < 19; ++i) {
        if (i)
            line += ',';
        line += i == 15 ? QByteArray("0") : '"' + v.value(i).toLatin1() + '"';
    }
    return line + "\r\n";
}

// A contest's worth of contacts over four hours on several bands and both modes: seven counties
// of the contest state (85 to go), states and provinces, and a DX country.
QByteArray fullLog(bool inState)
{
    const QStringList counties = {"Vanderburgh", "St. Joseph", "Marion", "Allen", "Tippecanoe", "Switzerland", "Lake"};
    const QStringList states = {"OH", "MI", "KY", "IL", "TX", "CA", "ON", "NY", "FL", "WA"};
    const QStringList bands = {"20", "40", "80", "15"};
    QByteArray out;
    int n = 0;
    auto add = [&](const QString& call, const QString& state, const QString& county) {
        const int minutes = n * 7;
        const QString time = QStringLiteral("%1:%2:00")
                                 .arg(13 + minutes / 60, 2, 10, QLatin1Char('0'))
                                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        const QString mode = n % 3 == 2 ? QStringLiteral("PH") : QStringLiteral("CW");
        const QString rst = mode == QLatin1String("PH") ? QStringLiteral("59") : QStringLiteral("599");
        QStringList v(19);
        v[0] = call;
        v[1] = rst;
        v[2] = rst;
        if (inState) {
            v[3] = state;
            v[4] = county;
            v[6] = QStringLiteral("Vanderburgh");
        } else {
            v[4] = county;
        }
        v[11] = QStringLiteral("2024/05/04");
        v[12] = time;
        v[13] = mode;
        v[14] = bands[n % bands.size()];
        v[18] = QStringLiteral("14.025");
        out += record(v);
        ++n;
    };
    for (int i = 0; i < counties.size(); ++i)
        add(QStringLiteral("KB9W%1Z").arg(QChar('A' + i)), QStringLiteral("IN"), counties[i]);
    if (inState) {
        for (int i = 0; i < states.size(); ++i)
            add(QStringLiteral("WA%1XYZ").arg(i), states[i], QString());
        add(QStringLiteral("DL1ABC"), QStringLiteral("Fed. Rep. of Germany"), QString());
    }
    for (int i = 0; i < 20; ++i)
        add(QStringLiteral("K9R%1").arg(QChar('A' + i)), QStringLiteral("IN"), counties[i % counties.size()]);
    return out;
}

// ---- Opening a window ----------------------------------------------------------------------------

// A window as it stands on the screen, to be measured.
struct Seen {
    QVector<TextFit::Finding> findings;
    QStringList texts;   // every text of a visible label, button or text box
    bool seen = false;
    QString frameOutside;   // where the window's frame leaves the work area; empty when inside
};

QStringList shownTexts(const QWidget* window)
{
    QStringList out;
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisible())
            continue;
        if (auto* l = qobject_cast<const QLabel*>(c))
            out << l->text();
        else if (auto* b = qobject_cast<const QAbstractButton*>(c))
            out << TextFit::withoutMnemonics(b->text());
        else if (auto* e = qobject_cast<const QLineEdit*>(c))
            out << e->text();
    }
    return out;
}

// Which window a row opens.
using Is = std::function<bool(const QWidget*)>;
template<class W>
Is is()
{
    return [](const QWidget* w) { return dynamic_cast<const W*>(w) != nullptr; };
}

// Runs `action` once on the first visible top-level window that `wanted` accepts, whenever it
// appears while the caller's event loops run (modal windows open inside `open`).
class WhenShown : public QObject {
public:
    WhenShown(Is wanted, std::function<void(QWidget&)> action) : wanted_(std::move(wanted)), action_(std::move(action))
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }
    bool done() const { return done_; }

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!done_ && w->isVisible() && wanted_(w)) {
                done_ = true;
                timer_.stop();
                action_(*w);
                return;
            }
    }
    Is wanted_;
    std::function<void(QWidget&)> action_;
    QTimer timer_;
    bool done_ = false;
};

// Lets a shown window finish its first painting and its one-shot timers.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(5);
    }
}

// The offscreen platform draws no frame: the window manager's frame is taken to start where the
// window was placed (Qt places a window by its frame) and to be as large as the platform's frame, at
// least the client area with the border and title bar the program allows for (Platform::Screen).
QString frameOutsideWorkArea(const QWidget& w)
{
    const Platform::Screen s = Platform::Screen::current();
    const QRect client = w.geometry(), platformFrame = w.frameGeometry();
    // A window without a frame (the logo) gets none.
    const bool framed = !w.windowFlags().testFlag(Qt::FramelessWindowHint);
    const int border = framed ? s.toPixelsX(s.frameBorder) : 0, title = framed ? s.toPixelsY(s.frameTitle) : 0;
    const QRect frame(platformFrame.topLeft(),
                      platformFrame.size().expandedTo(client.size() + QSize(2 * border, title + border)));
    const QRect work(s.toPixelsX(s.workLeft), s.toPixelsY(s.workTop), s.toPixelsX(s.workWidth),
                     s.toPixelsY(s.workHeight));
    if (work.contains(frame))
        return QString();
    return QStringLiteral("frame %1,%2 %3 x %4 (client %5,%6 %7 x %8) outside the work area %9,%10 %11 x %12")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(client.x())
        .arg(client.y())
        .arg(client.width())
        .arg(client.height())
        .arg(work.x())
        .arg(work.y())
        .arg(work.width())
        .arg(work.height());
}

Seen measure(QWidget& w)
{
    settle();
    Seen s;
    s.seen = true;
    s.findings = TextFit::checkWindow(&w);
    s.texts = shownTexts(&w);
    s.frameOutside = frameOutsideWorkArea(w);
    return s;
}

// ---- Texts the design cuts on purpose --------------------------------------------------------------

struct Exception {
    const char* window;       // the row's name
    const char* objectName;   // the control's name, or the start of the names of generated controls
    const char* reason;
    // A text box holding a text longer than it by design still shows the text's beginning.
    bool beginningShown = false;
};
const char* const ColourSampleReason =
    "the colour samples' fonts grow by the screen's width factor while their boxes grow by its height factor; on a "
    "screen wider than 4:3 the two-line sample is a pixel taller than its box";
const std::vector<Exception> kExceptions = {
    {"Privileges", "priv",
     "a privilege segment is as wide as its share of the band (6 m and 2 m segments of 100 kHz are a few "
     "pixels); its tool tip names the segment whole"},
    {"Colours", "Label1", ColourSampleReason},
    {"Colours", "Label2", ColourSampleReason},
    {"Infrm", "txtCntry",
     "the state field takes country names of up to 30 characters in its 12-point font, about twice what "
     "its design width holds; it shows the name from its beginning",
     true},
};

bool excepted(const char* window, const TextFit::Finding& f)
{
    for (const Exception& e : kExceptions)
        if (QLatin1String(window) == QLatin1String(e.window) && f.objectName.startsWith(QLatin1String(e.objectName)))
            return !e.beginningShown || f.beginningShown;
    return false;
}

}   // namespace

// ---- The windows -----------------------------------------------------------------------------------

class TextFitTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        // The installed files the windows read.
        installDataFiles({"ReadSQSO.txt", "BandPlan.txt", "CountyMapIN.bmp", "CountyMapIN.txt", "CW.txt", "wave2.txt",
                          "QSOpref.txt"});
        // Windows open without the spots an earlier test left in the program's store.
        Spots::resetSpotStore();
        LogMenus::setTools(&ReportTools::instance());
        G.OwnCall = QStringLiteral("W9XYZ");
        G.CurrentCounty = QStringLiteral("Vanderburgh");
        G.OwnStateProvince = QStringLiteral("IN");
        G.OwnCountry = QStringLiteral("USA");
        G.OwnLatitude = 38;
        G.OwnLongitude = 87.5;
        loadCountryTables();
    }
    void TearDown() override
    {
        main_.reset();
        LogMenus::setTools(nullptr);
        installAppHooks();
        frmCountyChangeRover::unload();
        frmCodePractice::unload();
        frmWinKey::unload();
        CWFrm::unload();
        PhoneFrm::unload();
        BlindFrm::unload();
        PacketSpotfrm::unload();
        RigControlfrm::unload();
        MainFrameTest::TearDown();
    }

    void useScreen(const ScreenRow& s)
    {
        Platform::setScreenOverride(Platform::Screen::ofSize(s.widthPx * 15, s.heightPx * 15));
    }

    // The running main window, shown with its log.
    MainFrame& mainWindow(int outOfState, bool withLog)
    {
        if (withLog)
            writeLog(fullLog(outOfState == 0));
        G.OutOfStateFlag = outOfState;
        if (outOfState)
            main_ = shown<Outfrm>();
        else
            main_ = shown<Infrm>();
        return *main_;
    }

    // Opens a window with `open` and measures it when a window `wanted` accepts is on the screen;
    // then closes it (a hide ends a modal show).
    Seen openAndMeasure(const Is& wanted, const std::function<void()>& open)
    {
        Seen s;
        WhenShown check(wanted, [&](QWidget& w) {
            s = measure(w);
            w.hide();
        });
        open();
        if (!QTest::qWaitFor([&] { return check.done(); }, 5000)) {
            QStringList shown;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    shown << QString::fromLatin1(w->metaObject()->className());
            ADD_FAILURE() << "the window was not shown; on the screen: " << shown.join(QLatin1Char(' ')).toStdString();
        }
        settle();
        return s;
    }

    void hotKey(QWidget& w, Qt::Key key)
    {
        QTest::keyPress(&w, key, Qt::ControlModifier);
        QTest::keyRelease(&w, key, Qt::ControlModifier);
    }

    // Post-contest entry switched on from the Options menu, a time typed into its box and the date
    // box focused (it fills itself with today's date); the clocks have ticked once.
    MainFrame& postContestWindow(MainFrame& w)
    {
        w.action(QStringLiteral("mnuPostContest"))->trigger();
        EXPECT_TRUE(w.txtPostConTime->isVisible());
        QTest::mouseClick(w.txtPostConTime, Qt::LeftButton);
        QTest::keyClicks(w.txtPostConTime, QStringLiteral("23:59"));
        QTest::mouseClick(w.txtPostConDate, Qt::LeftButton);
        EXPECT_FALSE(w.txtPostConDate->text().isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.Label16->text() != QLatin1String("am"); }, 3000));
        return w;
    }

    std::unique_ptr<MainFrame> main_;
};

class TextFitWindows;

namespace {

struct WindowRow {
    const char* name;
    // Opens the window (with the main window it needs) and measures it.
    std::function<Seen(TextFitWindows&)> open;
    // Captions the design shows in this window.
    QStringList required = {};
};

}   // namespace

class TextFitWindows : public TextFitTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
public:
    static const std::vector<WindowRow>& rows();

    // A rover: the in-state window offers the county change only to rovers.
    TextFitWindows& rover()
    {
        G.RoverFlag = 1;
        return *this;
    }
    Seen mainOnly(int outOfState, bool withLog, bool typeGermany)
    {
        MainFrame& w = mainWindow(outOfState, withLog);
        if (typeGermany) {
            // The call's prefix names the country in the state field while it is typed.
            w.txtCall->setFocus();
            QTest::keyClicks(w.txtCall, QStringLiteral("DL1ABC"));
        }
        return measure(w);
    }
    // The main window at `percent` % of the screen with post-contest entry on, its boxes filled as
    // the operator fills them, and the clocks showing an evening time (the local clock's "PM").
    Seen postContest(int outOfState, int percent)
    {
        G.FormSizePercent = uint8_t(percent);
        clock.set(QDateTime(QDate(2024, 5, 5), QTime(2, 58, 58), Qt::UTC), -4 * 3600);
        MainFrame& w = postContestWindow(mainWindow(outOfState, true));
        return measure(w);
    }
    Seen viaMenu(int outOfState, bool withLog, const char* item, const Is& wanted)
    {
        MainFrame& w = mainWindow(outOfState, withLog);
        return openAndMeasure(wanted, [&] { w.action(QLatin1String(item))->trigger(); });
    }
    Seen viaHotKey(int outOfState, Qt::Key key, const Is& wanted)
    {
        MainFrame& w = mainWindow(outOfState, true);
        return openAndMeasure(wanted, [&] { hotKey(w, key); });
    }
    // A window opened by a button of a window the menu opens first.
    Seen viaMenuThenButton(int outOfState, const char* item, const Is& first, const char* button, const Is& wanted)
    {
        MainFrame& w = mainWindow(outOfState, true);
        WhenShown firstShown(first, [&](QWidget& f) {
            settle();
            auto* b = f.findChild<QPushButton*>(QLatin1String(button));
            ASSERT_NE(b, nullptr) << button;
            QTest::mouseClick(b, Qt::LeftButton);
            if (f.isVisible())
                f.hide();
        });
        return openAndMeasure(wanted, [&] { w.action(QLatin1String(item))->trigger(); });
    }
    Seen editDialog(int outOfState)
    {
        MainFrame& w = mainWindow(outOfState, true);
        QAbstractItemView* list = w.ListView1;
        const QRect first = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        return openAndMeasure(is<DEEdit>(), [&] { QTest::mouseClick(w.cmdEdit, Qt::LeftButton); });
    }
    Seen frequencyTest()
    {
        mainWindow(1, true);
        RigControlfrm& rig = RigControlfrm::instance();
        return openAndMeasure(is<frmFrequencyTest>(), [&] {
            frmFrequencyTest t(rig);
            t.show();
            static_cast<void>(QTest::qWaitFor([&] { return !t.isVisible(); }, 5000));
        });
    }
    Seen stationSetup()
    {
        return openAndMeasure(is<frmStationID>(), [&] {
            frmStationID w;
            w.show();
            static_cast<void>(QTest::qWaitFor([&] { return !w.isVisible(); }, 5000));
        });
    }
    Seen logo()
    {
        return openAndMeasure(is<frmQuoltLogo>(), [&] {
            frmQuoltLogo w;
            w.show();
            static_cast<void>(QTest::qWaitFor([&] { return !w.isVisible(); }, 5000));
        });
    }
};

const std::vector<WindowRow>& TextFitWindows::rows()
{
    using T = TextFitWindows;
    static const std::vector<WindowRow> r = {
        {"Outfrm", [](T& t) { return t.mainOnly(1, true, false); }},
        {"Infrm",
         [](T& t) { return t.mainOnly(0, true, true); },
         {"States and Provinces Worked All Bands:", "Cnty Rem - 85", "Fed. Rep. of Germany"}},
        {"InfrmEmptyLog",
         [](T& t) { return t.mainOnly(0, false, false); },
         {"States and Provinces Worked All Bands:", "Cnty Rem - 92"}},
        {"OutfrmEmptyLog", [](T& t) { return t.mainOnly(1, false, false); }},
        {"OutfrmPostContest", [](T& t) { return t.postContest(1, 100); }, {"Time", "Date", "Operating Time", "PM"}},
        {"InfrmPostContest", [](T& t) { return t.postContest(0, 100); }, {"Time", "Date", " Oper Time", "PM"}},
        {"OutfrmFormSize80", [](T& t) { return t.postContest(1, 80); }, {"Time", "Date", "Operating Time", "PM"}},
        {"InfrmFormSize80", [](T& t) { return t.postContest(0, 80); }, {"Time", "Date", " Oper Time", "PM"}},
        {"OutfrmFormSize90", [](T& t) { return t.postContest(1, 90); }, {"Time", "Date", "Operating Time", "PM"}},
        {"InfrmFormSize90", [](T& t) { return t.postContest(0, 90); }, {"Time", "Date", " Oper Time", "PM"}},
        {"StationSetup", [](T& t) { return t.stationSetup(); }},
        {"Logo", [](T& t) { return t.logo(); }},
        {"CountyListOut", [](T& t) { return t.viaMenu(1, true, "mnuCountyList", is<frmCountyList>()); }},
        {"CountyMapEmptyLog",
         [](T& t) { return t.viaMenu(1, false, "mnuMap", is<CountyMapIN>()); },
         {"Counties will change color when worked."}},
        {"CountyMapIn", [](T& t) { return t.viaMenu(0, true, "mnuMap", is<CountyMapIN>()); }},
        {"RateGraph", [](T& t) { return t.viaMenu(1, true, "mnuGraph", is<GraphQSO>()); }},
        {"Help", [](T& t) { return t.viaMenu(1, true, "mnuHelp", is<Form5>()); }},
        {"Colours", [](T& t) { return t.viaMenu(0, true, "mnuColors", is<Form6>()); }},
        {"CountyChange",
         [](T& t) { return t.rover().viaMenu(0, true, "mnuChangeCounty", is<frmCountyChange>()); },
         {"Rovers on County Lines Click to Add Multiple Counties"}},
        {"CountyChangeRover",
         [](T& t) {
             return t.rover().viaMenuThenButton(0, "mnuChangeCounty", is<frmCountyChange>(), "cmdMultipleCounties",
                                                is<frmCountyChangeRover>());
         }},
        {"EditIn", [](T& t) { return t.editDialog(0); }},
        {"EditOut", [](T& t) { return t.editDialog(1); }},
        {"SummaryIn", [](T& t) { return t.viaMenu(0, true, "mnuWriteSumm", is<DECabrilloIn>()); }},
        {"SummaryOut", [](T& t) { return t.viaMenu(1, true, "mnuWriteSumm", is<DECabrilloIn>()); }},
        {"Privileges", [](T& t) { return t.viaMenu(1, true, "mnuPrivileges", is<frmBandPlan>()); }},
        {"SpectrumMap", [](T& t) { return t.viaMenu(1, true, "mnuSpectrumMap", is<SpectrumMap>()); }},
        {"TuningPanel", [](T& t) { return t.viaHotKey(1, Qt::Key_G, is<frmRigTune>()); }},
        {"RigWindow", [](T& t) { return t.viaMenu(1, true, "mnuRigInterface", is<RigControlfrm>()); }},
        {"RigCommandTest", [](T& t) { return t.frequencyTest(); }},
        {"SpotWindow", [](T& t) { return t.viaMenu(1, true, "mnuDXSpotting", is<PacketSpotfrm>()); }},
        {"CWWindow", [](T& t) { return t.viaMenu(1, true, "mnuCW", is<CWFrm>()); }},
        {"CodePractice",
         [](T& t) { return t.viaMenuThenButton(1, "mnuCW", is<CWFrm>(), "Command7", is<frmCodePractice>()); }},
        {"KeyerDevice",
         [](T& t) { return t.viaMenuThenButton(1, "mnuCW", is<CWFrm>(), "cmdConfWinkey", is<frmWinKey>()); }},
        {"VoiceKeyer", [](T& t) { return t.viaMenu(1, true, "mnuVoice", is<PhoneFrm>()); }},
        {"VoiceNavigation", [](T& t) { return t.viaMenu(0, true, "mnuBlind", is<BlindFrm>()); }},
    };
    return r;
}

TEST_P(TextFitWindows, EveryShownTextFits)
{
    const auto [windowIndex, screenIndex] = GetParam();
    const WindowRow& row = rows()[size_t(windowIndex)];
    useScreen(kScreens[screenIndex]);
    const Seen s = row.open(*this);
    ASSERT_TRUE(s.seen);
    QStringList failures;
    for (const TextFit::Finding& f : s.findings)
        if (!excepted(row.name, f))
            failures << f.describe();
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();
    // The frame at the screens operators have (the logo, a picture, is larger than the design screen).
    if (screenIndex > 0) {
        EXPECT_TRUE(s.frameOutside.isEmpty()) << s.frameOutside.toStdString();
    }
    for (const QString& caption : row.required)
        EXPECT_TRUE(s.texts.contains(caption)) << "not shown: " << caption.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllWindows, TextFitWindows,
                         ::testing::Combine(::testing::Range(0, int(TextFitWindows::rows().size())),
                                            ::testing::Range(0, 3)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(TextFitWindows::rows()[size_t(std::get<0>(info.param))].name) + "_" +
                                    kScreens[std::get<1>(info.param)].name;
                         });

// ---- Where the main window's controls stand -------------------------------------------------------
// Both main windows with post-contest entry on, at full size and at 80 % of the screen, with the
// spot panel hidden and with the spot list shown by the DX-spotting window's Done (and the window
// then refitted to the work area by the taskbar command): no two shown
// controls cover each other, and every shown control lies inside the client area (the spot list
// down to its last row, whatever room a tall menu bar takes off the client area's bottom).

namespace {

struct LayoutCase {
    const char* name;
    int outOfState;
    int percent;
    bool spotList;
    bool taskbar = false;   // then the taskbar command refits the window to the work area
};

const std::vector<LayoutCase>& layoutCases()
{
    static const std::vector<LayoutCase> r = {
        {"Outfrm", 1, 100, false},          {"Infrm", 0, 100, false},
        {"OutfrmFormSize80", 1, 80, false}, {"InfrmFormSize80", 0, 80, false},
        {"OutfrmSpotList", 1, 100, true},   {"InfrmSpotList", 0, 100, true},
        {"InfrmSpotList80", 0, 80, true},   {"OutfrmSpotListTaskbar", 1, 100, true, true},
    };
    return r;
}

QString describe(const QWidget* w)
{
    const QRect g = w->geometry();
    return QStringLiteral("%1 at %2,%3 %4 x %5")
        .arg(w->objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

}   // namespace

class MainWindowLayout : public TextFitTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
protected:
    // The spot list shown as the operator shows it: the DX-spotting window from the Options menu,
    // the telnet source on a cluster listening on this machine, the list chosen, then Done.
    void showSpotList(MainFrame& w)
    {
        ASSERT_TRUE(cluster_.listen(QHostAddress::LocalHost));
        w.action(QStringLiteral("mnuDXSpotting"))->trigger();
        PacketSpotfrm& f = PacketSpotfrm::instance();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.isVisible(); }, 3000));
        QListWidgetItem* telnet = f.List1->findItems(QStringLiteral("Telnet"), Qt::MatchExactly).value(0);
        ASSERT_NE(telnet, nullptr);
        QTest::mouseClick(f.List1->viewport(), Qt::LeftButton, {}, f.List1->visualItemRect(telnet).center());
        for (auto [box, text] : {std::pair{f.txtTelnetHost, QStringLiteral("127.0.0.1")},
                                 std::pair{f.txtTelnetPort, QString::number(cluster_.serverPort())}}) {
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, text);
        }
        // On the option's indicator: the option takes clicks on its indicator and its text only.
        QTest::mouseClick(f.OptList, Qt::LeftButton, {}, QPoint(f.OptList->height() / 2, f.OptList->height() / 2));
        ASSERT_TRUE(f.OptList->isChecked());
        QTest::mouseClick(f.cmdDone, Qt::LeftButton);
        settle();
    }
    QTcpServer cluster_;
};

TEST_P(MainWindowLayout, NoTwoShownControlsOverlapAndAllLieInsideTheClientArea)
{
    const auto [caseIndex, screenIndex] = GetParam();
    const LayoutCase& c = layoutCases()[size_t(caseIndex)];
    useScreen(kScreens[screenIndex]);
    G.FormSizePercent = uint8_t(c.percent);
    MainFrame& w = mainWindow(c.outOfState, true);
    postContestWindow(w);
    if (c.spotList) {
        showSpotList(w);
        ASSERT_TRUE(w.txtDX->isVisible());
    }
    if (c.taskbar) {
        // A taskbar 40 pixels high along the bottom of the screen.
        Platform::Screen s = Platform::Screen::current();
        s.workHeight -= s.toTwipsY(40);
        Platform::setScreenOverride(s);
        const int before = w.height();
        w.action(QStringLiteral("mnuTaskbar"))->trigger();
        ASSERT_EQ(w.height(), before - 40);
    }
    settle();

    const QWidget* client = w.clientArea();
    EXPECT_LE(client->geometry().bottom(), w.rect().bottom());
    QVector<const QWidget*> shown;
    for (const QObject* o : client->children())
        if (auto* c = qobject_cast<const QWidget*>(o); c && c->isVisible())
            shown << c;
    // Rectangles are rounded to whole pixels one by one, so neighbours that meet in twips may share
    // one pixel: a pixel more counts.
    const QRect inside = client->rect().adjusted(-1, -1, 1, 1);
    auto cover = [](const QRect& a, const QRect& b) {
        const QRect both = a.intersected(b);
        return both.width() > 1 && both.height() > 1;
    };
    QStringList faults;
    for (int i = 0; i < shown.size(); ++i) {
        if (!inside.contains(shown[i]->geometry()))
            faults << describe(shown[i]) +
                          QStringLiteral(" leaves the client area, %1 x %2").arg(client->width()).arg(client->height());
        for (int j = i + 1; j < shown.size(); ++j)
            if (cover(shown[i]->geometry(), shown[j]->geometry()))
                faults << describe(shown[i]) + QStringLiteral(" overlaps ") + describe(shown[j]);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(PostContest, MainWindowLayout,
                         ::testing::Combine(::testing::Range(0, int(layoutCases().size())), ::testing::Range(0, 3)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(layoutCases()[size_t(std::get<0>(info.param))].name) + "_" +
                                    kScreens[std::get<1>(info.param)].name;
                         });

// ---- Rows of the side lists -----------------------------------------------------------------------
// Every row of the county lists and of the DX list reads whole, for every entry each list can
// hold: every county of the table in the to-go list (a log without counties) and in the worked
// list (a log of every county), and every country of the country table, whole, in the DX list.
// Each list holds enough rows to show its scroll bar, which takes its share of the width.

namespace {

// One contact per country (the state field) and one per county, on 20 m CW.
QByteArray contactLog(const QStringList& countries, const QStringList& counties, bool inState)
{
    QByteArray out;
    int n = 0;
    auto add = [&](const QString& spc, const QString& county) {
        QStringList v(19);
        v[0] = QStringLiteral("K%1AB").arg(n);
        v[1] = v[2] = QStringLiteral("599");
        if (inState) {
            v[3] = spc;
            v[6] = QStringLiteral("Vanderburgh");
        }
        v[4] = county;
        v[11] = QStringLiteral("2024/05/04");
        v[12] = QStringLiteral("14:%1:00").arg(n % 60, 2, 10, QLatin1Char('0'));
        v[13] = QStringLiteral("CW");
        v[14] = QStringLiteral("20");
        out += record(v);
        ++n;
    };
    for (const QString& c : countries)
        add(c, QString());
    for (const QString& c : counties)
        add(QStringLiteral("IN"), c);
    return out;
}

struct ListRowsCase {
    const char* name;
    int outOfState;
    bool everyCounty;    // every county worked; else none, and in the in-state window every country
    int percent = 100;   // FormSizePercent
    // The taskbar command refits the window to a work area that a taskbar 100 pixels wide on the
    // left leaves, and again to the whole screen: the lists narrow and widen again.
    bool leftTaskbarRefits = false;
};
const ListRowsCase kListRows[] = {
    {"InfrmCountriesAndToGo", 0, false},
    {"InfrmWorked", 0, true},
    {"OutfrmToGo", 1, false},
    {"OutfrmWorked", 1, true},
    {"InfrmCountriesAndToGo80", 0, false, 80},
    {"InfrmWorked80", 0, true, 80},
    {"OutfrmToGo80", 1, false, 80},
    {"OutfrmWorked80", 1, true, 80},
    {"InfrmWorkedRefitted", 0, true, 100, true},
};

}   // namespace

class TextFitListRows : public TextFitTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(TextFitListRows, EveryRowReadsWhole)
{
    const auto [caseIndex, screenIndex] = GetParam();
    const ListRowsCase& c = kListRows[caseIndex];
    useScreen(kScreens[screenIndex]);
    G.FormSizePercent = uint8_t(c.percent);
    ASSERT_TRUE(Module2::LoadCountyList());
    const QStringList counties = G.CountyNames;
    QStringList countries;
    if (c.outOfState == 0 && !c.everyCounty)
        for (const CountryRow& row : G.CountryTable)
            if (!countries.contains(row.country, Qt::CaseInsensitive))
                countries << row.country;
    writeLog(contactLog(countries, c.everyCounty ? counties : QStringList(), c.outOfState == 0));
    MainFrame& w = mainWindow(c.outOfState, false);
    settle();
    if (c.leftTaskbarRefits) {
        Platform::Screen s = Platform::Screen::current();
        s.workLeft += s.toTwipsX(100);
        s.workWidth -= s.toTwipsX(100);
        Platform::setScreenOverride(s);
        const int before = w.width();
        w.action(QStringLiteral("mnuTaskbar"))->trigger();
        settle();
        ASSERT_EQ(w.width(), before - 100);
        w.action(QStringLiteral("mnuTaskbar"))->trigger();
        settle();
        ASSERT_EQ(w.width(), before);
    }

    struct Held {
        const char* what;
        QListWidget* list;
        int rows;
    };
    std::vector<Held> lists;
    if (c.everyCounty)
        lists.push_back({"worked", w.List2, int(counties.size())});
    else
        lists.push_back({"to go", c.outOfState ? w.List1 : w.List3, int(counties.size())});
    if (!countries.isEmpty())
        lists.push_back({"DX", w.List1, int(countries.size())});
    for (const Held& h : lists) {
        SCOPED_TRACE(h.what);
        ASSERT_NE(h.list, nullptr);
        EXPECT_EQ(h.list->count(), h.rows);
        const QScrollBar* bar = h.list->verticalScrollBar();
        EXPECT_TRUE(bar->isVisible());
        EXPECT_FALSE(h.list->horizontalScrollBar()->isVisible());
        // The bar fills the room beside the rows, no more and no less.
        EXPECT_EQ(bar->width(), h.list->width() - 2 * h.list->frameWidth() - h.list->viewport()->width());
        QStringList failures;
        for (const TextFit::Finding& f : TextFit::checkRows(h.list))
            failures << f.describe();
        EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(SideLists, TextFitListRows,
                         ::testing::Combine(::testing::Range(0, int(std::size(kListRows))), ::testing::Range(0, 3)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(kListRows[std::get<0>(info.param)].name) + "_" +
                                    kScreens[std::get<1>(info.param)].name;
                         });

// ---- Columns of the contact and spot lists --------------------------------------------------------
// The columns keep the widths of the windows' column tables (base width in twips times the
// window's width over 9600) whatever the rows hold: a text wider than its column is cut inside
// the cell and the cell's tool tip gives it whole, every column is in view without a horizontal
// scroll bar, and the operator can still drag a column wider. The newest contact carries the long
// text: a German station in the in-state window, a long portable call in the out-of-state one.

namespace {

struct ColumnsCase {
    const char* name;
    int outOfState;
    QVector<int> twips;   // the contact list's column table
    int longColumn;
    QString longText;
    // The columns of texts of fixed form (record number, reports, date and time, mode, band),
    // which read whole in every row.
    QVector<int> fixedForm;
};
const std::vector<ColumnsCase>& columnsCases()
{
    static const std::vector<ColumnsCase> r = {
        {"Infrm",
         0,
         {530, 850, 430, 910, 1050, 420, 890, 430, 430},
         3,
         QStringLiteral("Fed. Rep. of Germany"),
         {0, 2, 5, 6, 7, 8}},
        {"Outfrm",
         1,
         {550, 1200, 430, 1420, 420, 900, 430, 430},
         1,
         QStringLiteral("WW9WWW/VP2MM"),
         {0, 2, 4, 5, 6, 7}},
    };
    return r;
}
const QVector<int> kSpotTwips = {1040, 880, 2000, 0, 3400, 520, 600, 520};

// The tool tip shown when the mouse rests at `at` in the list's rows.
QString toolTipAt(QAbstractItemView* list, QPoint at)
{
    QToolTip::hideText();
    QHelpEvent e(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Whether the cell's text is wider than the room the style draws it in (its text rectangle less a
// margin on each side), so the list cuts it.
bool cutInCell(const QTreeView* list, const QModelIndex& index)
{
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const double width = QFontMetricsF(list->font(), list).horizontalAdvance(index.data().toString());
    return width > list->visualRect(index).width() - 2 * margin;
}

// What is wrong with the columns of `list`: a width other than its table's, a column out of view,
// a horizontal scroll bar.
QStringList columnFaults(QTreeView* list, const QVector<int>& twips, int screenWidthPx)
{
    QStringList out;
    const QHeaderView* h = list->header();
    if (h->count() != twips.size())
        out << QStringLiteral("%1 columns, not %2").arg(h->count()).arg(twips.size());
    for (int c = 0; c < h->count() && c < twips.size(); ++c) {
        const double want = twips[c] * screenWidthPx / 9600.0;
        const QString header = list->model()->headerData(c, Qt::Horizontal).toString();
        if (std::abs(h->sectionSize(c) - want) > 1)
            out << QStringLiteral("\"%1\" is %2 px wide, not %3").arg(header).arg(h->sectionSize(c)).arg(want);
        if (h->sectionViewportPosition(c) + h->sectionSize(c) > list->viewport()->width())
            out << QStringLiteral("\"%1\" ends past the list's visible width %2")
                       .arg(header)
                       .arg(list->viewport()->width());
    }
    if (list->horizontalScrollBar()->isVisible())
        out << QStringLiteral("a horizontal scroll bar");
    return out;
}

}   // namespace

class TextFitColumns : public TextFitTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(TextFitColumns, KeepTheirWidthsAndCutALongTextInsideTheCell)
{
    const auto [caseIndex, screenIndex] = GetParam();
    const ColumnsCase& c = columnsCases()[size_t(caseIndex)];
    const ScreenRow& screen = kScreens[screenIndex];
    useScreen(screen);
    QStringList v(19);
    v[0] = c.outOfState ? c.longText : QStringLiteral("DL2XYZ");
    v[1] = v[2] = QStringLiteral("599");
    if (!c.outOfState)
        v[3] = c.longText;
    v[4] = c.outOfState ? QStringLiteral("Vanderburgh") : QString();
    v[11] = QStringLiteral("2024/05/04");
    v[12] = QStringLiteral("18:00:00");
    v[13] = QStringLiteral("CW");
    v[14] = QStringLiteral("20");
    writeLog(fullLog(c.outOfState == 0) + record(v));
    MainFrame& w = mainWindow(c.outOfState, false);
    settle();
    QTreeView* list = w.ListView1;
    ASSERT_EQ(list->model()->index(0, c.longColumn).data().toString(), c.longText);

    QStringList faults = columnFaults(list, c.twips, screen.widthPx);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();

    // The texts of fixed form read whole in every row.
    for (int row = 0; row < list->model()->rowCount(); ++row)
        for (int column : c.fixedForm) {
            const QModelIndex i = list->model()->index(row, column);
            EXPECT_FALSE(cutInCell(list, i)) << "row " << row << ": " << i.data().toString().toStdString();
        }

    // The long text: cut inside its cell and whole in the cell's tool tip when wider than the
    // column; a text shown whole leaves the list's own tool tip.
    const QModelIndex longCell = list->model()->index(0, c.longColumn);
    const QRect cell = list->visualRect(longCell);
    const bool cut = cutInCell(list, longCell);
    if (screenIndex < 2) {
        EXPECT_TRUE(cut) << "the case's text is meant to be wider than its column";
    }
    EXPECT_EQ(toolTipAt(list, cell.center()), cut ? c.longText : list->toolTip());
    const QRect whole = list->visualRect(list->model()->index(0, c.twips.size() - 1));
    EXPECT_EQ(toolTipAt(list, whole.center()), list->toolTip());

    // The spot list with a long comment.
    Spots::resetSpotStore();
    QVariant call(QStringLiteral("DL1ABC")), khz(QStringLiteral("14025.0")),
        line(QStringLiteral("DX de K9AB:      14025.0  DL1ABC       CQ CONTEST UP 5 EU AND JA ONLY PSE QRZ 1234Z\r\n"));
    Form1::instance().BandMapSpots(call, khz, line);
    QApplication::processEvents();
    PacketSpotfrm& spotWindow = PacketSpotfrm::instance();
    spotWindow.List1->blockSignals(true);
    spotWindow.List1->setCurrentItem(spotWindow.List1->findItems(QStringLiteral("Telnet"), Qt::MatchExactly).value(0));
    spotWindow.List1->blockSignals(false);
    spotWindow.OptList->setChecked(true);
    Form1::instance().PacketResize();
    settle();
    ASSERT_TRUE(w.txtDX->isVisible());
    ASSERT_EQ(w.txtDX->topLevelItemCount(), 1);
    faults = columnFaults(w.txtDX, kSpotTwips, screen.widthPx);
    EXPECT_TRUE(faults.isEmpty()) << "spot list: " << faults.join(QLatin1Char('\n')).toStdString();

    // The operator drags the contact list's last column past the list's edge: it stays so wide,
    // and the list scrolls to the rest.
    QHeaderView* h = list->header();
    const int last = h->count() - 1, before = h->sectionSize(last);
    const QPoint edge(h->sectionViewportPosition(last) + before - 1, h->height() / 2);
    const int drag = list->viewport()->width() - edge.x() + 20;
    QTest::mousePress(h->viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(h->viewport(), edge + QPoint(drag, 0));
    QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, edge + QPoint(drag, 0));
    settle();
    EXPECT_EQ(h->sectionSize(last), before + drag);
    EXPECT_TRUE(list->horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(ContactAndSpotLists, TextFitColumns,
                         ::testing::Combine(::testing::Range(0, int(columnsCases().size())), ::testing::Range(0, 3)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(columnsCases()[size_t(std::get<0>(info.param))].name) + "_" +
                                    kScreens[std::get<1>(info.param)].name;
                         });

// ---- Message boxes ---------------------------------------------------------------------------------
// A message box is laid out by Qt, not from design rectangles: it wraps its text at its own width
// limit (taken from the real screen, which the pretended design screens do not change) and grows to
// the lines. What can still cut a text is a word longer than that limit or a line break the box
// does not honour, so the rows are the fixed texts with the longest words, lines and paragraphs,
// shown through the program's own prompt service; the others are shorter sentences of the same
// kind. Every box is also as wide as its title needs in the window manager's title bar, the short
// ones above all ("Are you sure?", "Error opeining file").

namespace {

struct MessageRow {
    const char* name;
    std::function<QString()> text;
    QString title;
    Platform::Buttons buttons = Platform::Buttons::Ok;
    bool input = false;   // an input box's prompt
};

const std::vector<MessageRow>& messageRows()
{
    static const std::vector<MessageRow> r = {
        {"OpenLog", [] { return MainLoad::openLogPrompt(); }, MainLoad::openLogTitle(), Platform::Buttons::YesNo},
        {"FormSizeRestart", [] { return MainSizing::Texts::restartText(); }, MainSizing::Texts::restartTitle()},
        {"FormSizeNumeric", [] { return MainSizing::Texts::numericText(); }, MainSizing::Texts::numericTitle()},
        {"TaskbarRefused", [] { return MainSizing::Texts::taskbarRefusedText(); },
         MainSizing::Texts::taskbarRefusedTitle()},
        {"LogInUse", [] { return ProgramLock::inUseText(G.ProgramFolder); }, ProgramLock::InUseTitle},
        {"StationSetupLoad", [] { return StationSetup::LoadErrorText; }, StationSetup::LoadErrorTitle},
        {"NotEnoughToGraph",
         [] {
             return QStringLiteral("The graph will not display with less than 7 contacts.  The graph becomes more "
                                   "meaningful as several hours of contest logging are accumulated.");
         },
         QStringLiteral("Not Enough Contacts to Graph.")},
        {"RestoreInformation",
         [] {
             return QStringLiteral("This action will open an archived log or backup file and creates a working file "
                                   "called log.txt.  If you make any changes to your archived data that you would "
                                   "like to permanently save, before you click File > New to start a new contest, be "
                                   "sure to click File > Archive to save your changes.");
         },
         QStringLiteral("Opening Archived Data Information")},
        {"CabrilloWritten",
         [] {
             return QStringLiteral("The file was successfully written to the directory:\r\n\r\n") + G.DataFolder +
                    QStringLiteral("/W9XYZ.log.\r\n\r\nAttach this file to an e-mail addressed for contest "
                                   "submission.  If you wish to print this file, you can open it with Notepad or "
                                   "Wordpad to print.");
         },
         QStringLiteral("File Written Successfully.")},
        {"Thanks",
         [] {
             return QStringLiteral("Thanks for using this program.  I hope that you enjoyed it!  If so, please tell "
                                   "a friend!\r\n\r\n73, Orlendy\r\nQuolt");
         },
         QStringLiteral("  Thanks!")},
        {"SpotPortInvalid",
         [] {
             return QStringLiteral("The comm port that you selected for DX Spotting is either in use, invalid or the "
                                   "settings that you have selected are invalid.  Please select another combination "
                                   "or choose None for your DX Spot selection.");
         },
         QStringLiteral("Invalid Comm Settings.")},
        {"FormSizePrompt", [] { return MainSizing::Texts::formSizePrompt(); }, MainSizing::Texts::formSizeTitle(),
         Platform::Buttons::OkCancel, true},
        {"NewLogPrompt",
         [] {
             return QStringLiteral("Are you sure that you want to start a new log file?  This function will ERASE the "
                                   "existing log file!\r\n\r\n\r\n\r\nTo verify that you want to start a new log "
                                   "file, please type: YES");
         },
         QStringLiteral("WARNING - Your existing log file will be ERASED!"), Platform::Buttons::OkCancel, true},
        {"AdifPowerPrompt",
         [] {
             return QStringLiteral("Please enter the power value that you would like to record.  This is an optional "
                                   "value that will be included in each QSO record and displayed in Dovrel's power "
                                   "output column.");
         },
         QStringLiteral("Please enter your transmitter output power."), Platform::Buttons::OkCancel, true},
        {"DeleteConfirm", [] { return QStringLiteral("Are you sure?"); }, QStringLiteral("Are you sure?"),
         Platform::Buttons::YesNo},
        {"ConnectCallRequired",
         [] { return QStringLiteral("You must enter a call sign to connect to such as :C Quolt"); },
         QStringLiteral("Call sign Required")},
    };
    return r;
}

}   // namespace

class TextFitMessages : public TextFitTest, public ::testing::WithParamInterface<int> {};

TEST_P(TextFitMessages, TextIsShownWhole)
{
    const MessageRow& row = messageRows()[size_t(GetParam())];
    Platform::setPrompts(nullptr);   // the program's own Qt dialogs
    const QString text = row.text();
    QVector<TextFit::Finding> findings;
    QStringList texts;
    bool seen = false;
    int width = 0, screenWidth = 0, clientWidth = 0;
    WhenShown check(row.input ? is<QInputDialog>() : is<QMessageBox>(), [&](QWidget& box) {
        const Seen s = measure(box);
        findings = s.findings;
        texts = s.texts;
        width = box.frameGeometry().width();
        clientWidth = box.width();
        screenWidth = box.screen()->availableGeometry().width();
        seen = true;
        box.hide();
    });
    if (row.input)
        Platform::prompts().inputBox(text, row.title, QString());
    else
        Platform::prompts().messageBox(text, row.title, row.buttons);
    Platform::setPrompts(&prompts);
    ASSERT_TRUE(seen);
    EXPECT_LE(width, screenWidth) << "the box is wider than the screen";
    // The window manager shortens a title wider than its bar.
    EXPECT_GE(clientWidth, Platform::titleBarClientWidth(row.title)) << "narrower than its title";
    QStringList failures;
    for (const TextFit::Finding& f : findings)
        failures << f.describe();
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(texts.contains(text)) << "not shown: " << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FixedWording, TextFitMessages, ::testing::Range(0, int(messageRows().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(messageRows()[size_t(info.param)].name);
                         });

// ---- The measure itself ----------------------------------------------------------------------------
// Widgets sized from their own font's metrics, so each case is one pixel or one line either side
// of fitting whatever font the machine has.

namespace {

struct FitCase {
    const char* name;
    std::function<QWidget*(QWidget& parent)> make;
    bool fits;
};

int advance(const QWidget* w, const QString& text)
{
    return int(std::ceil(QFontMetricsF(w->font(), const_cast<QWidget*>(w)).horizontalAdvance(text)));
}
int lineHeight(const QWidget* w) { return int(std::ceil(QFontMetricsF(w->font(), const_cast<QWidget*>(w)).height())); }
int lineSpacing(const QWidget* w)
{
    return int(std::ceil(QFontMetricsF(w->font(), const_cast<QWidget*>(w)).lineSpacing()));
}

const QString kStep = QStringLiteral("2.5 KHz");
const QString kCountry = QStringLiteral("Fed. Rep. of Germany");

// A control showing `text`, as wide as `width` says and as high as it asks to be.
template<class W, class Width>
QWidget* sized(QWidget& parent, const QString& text, Width width)
{
    auto* w = new W(text, &parent);
    w->resize(width(w), w->sizeHint().height());
    return w;
}

QLabel* label(QWidget& parent, const QString& text, bool wrap, int extraWidth, int lines)
{
    auto* l = new QLabel(text, &parent);
    l->setWordWrap(wrap);
    const QString widest = wrap ? text.section(QLatin1Char(' '), 0, 1) : text;
    l->resize(advance(l, widest) + extraWidth, lineHeight(l) + lineSpacing(l) * (lines - 1));
    return l;
}

const std::vector<FitCase>& fitCases()
{
    static const QString two = QStringLiteral("Cnty Rem - 85");
    static const std::vector<FitCase> r = {
        {"LabelWithItsWidth", [](QWidget& p) { return label(p, two, false, 0, 1); }, true},
        {"LabelOnePixelShort", [](QWidget& p) { return label(p, two, false, -1, 1); }, false},
        {"LabelOneLineTooLow",
         [](QWidget& p) {
             QLabel* l = label(p, two, false, 0, 1);
             l->resize(l->width(), lineHeight(l) - 2);
             return l;
         },
         false},
        // "Cnty Rem" on one line, "- 85" on the next.
        {"WrappedLabelWithItsLines", [](QWidget& p) { return label(p, two, true, 0, 3); }, true},
        {"WrappedLabelOneLineShort",
         [](QWidget& p) { return label(p, QStringLiteral("Cnty Rem - 85 to go now"), true, 0, 2); }, false},
        {"WrappedWordWiderThanLabel",
         [](QWidget& p) {
             QLabel* l = label(p, QStringLiteral("Vanderburgh"), true, 0, 4);
             l->resize(l->width() - 2, l->height());
             return l;
         },
         false},
        // A button as wide as its caption without the "&" plus the style's margins fits.
        {"MnemonicIsNotMeasured",
         [](QWidget& p) {
             return sized<QPushButton>(p, QStringLiteral("&Done"), [](auto* b) { return b->sizeHint().width(); });
         },
         true},
        // As wide as the text alone: the indicator leaves too little.
        {"OptionTextBesideItsIndicator",
         [](QWidget& p) { return sized<QRadioButton>(p, kStep, [](auto* o) { return advance(o, o->text()); }); },
         false},
        {"OptionAtItsSizeHint",
         [](QWidget& p) { return sized<QRadioButton>(p, kStep, [](auto* o) { return o->sizeHint().width(); }); }, true},
        {"TextBoxShorterThanItsText",
         [](QWidget& p) { return sized<QLineEdit>(p, kCountry, [](auto* e) { return advance(e, e->text()); }); },
         false},
        {"TextBoxAtItsTextAndMargins",
         [](QWidget& p) { return sized<QLineEdit>(p, kCountry, [](auto* e) { return advance(e, e->text()) + 16; }); },
         true},
        {"HeaderSectionNarrowerThanCaption",
         [](QWidget& p) {
             auto* t = new QTreeWidget(&p);
             t->setHeaderLabels({QStringLiteral("County"), QStringLiteral("Abbreviation")});
             t->resize(400, 200);
             t->header()->setStretchLastSection(false);
             t->header()->resizeSection(1, advance(t->header(), QStringLiteral("Abbreviation")));
             return t->header();
         },
         false},
        {"FrameTitleWiderThanFrame",
         [](QWidget& p) {
             auto* g = new QGroupBox(QStringLiteral("Baud Rate of Com Port to TNC"), &p);
             g->resize(advance(g, g->title()) - 1, 60);
             return g;
         },
         false},
    };
    return r;
}

}   // namespace

class TextFitMeasure : public ::testing::TestWithParam<int> {};

TEST_P(TextFitMeasure, DecidesAsTheWidgetDraws)
{
    const FitCase& c = fitCases()[size_t(GetParam())];
    QWidget window;
    window.resize(600, 400);
    QWidget* w = c.make(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QVector<TextFit::Finding> findings = TextFit::check(w);
    QStringList described;
    for (const TextFit::Finding& f : findings)
        described << f.describe();
    EXPECT_EQ(findings.isEmpty(), c.fits) << described.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFitMeasure, ::testing::Range(0, int(fitCases().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(fitCases()[size_t(info.param)].name);
                         });

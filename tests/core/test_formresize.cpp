#include <gtest/gtest.h>

#include "core/DeviceLayout.h"
#include "core/Globals.h"
#include "core/ModFormResize.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedPrompts.h"

using Kind = ControlGeometry::Kind;
using ModFormResize::ResizeForm;
using ModFormResize::ResizeFormTo;

namespace {

ControlGeometry box(Kind kind, double left, double top, double width, double height, double font = 8)
{
    ControlGeometry c;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.fontSize = font;
    c.fontName = QStringLiteral("Sans");
    return c;
}

ControlGeometry line(double x1, double y1, double x2, double y2)
{
    ControlGeometry c;
    c.kind = Kind::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}

FormGeometry form(double outerWidth, double outerHeight, double font = 8)
{
    FormGeometry f;
    f.setOuterSize(outerWidth, outerHeight);
    f.fontSize = font;
    f.fontName = QStringLiteral("Sans");
    return f;
}

class FormResize : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        Platform::setPrompts(&prompts);
    }
    void TearDown() override { Platform::setPrompts(nullptr); }
    Platform::ScriptedPrompts prompts;
};

}   // namespace

TEST_F(FormResize, DesignScreenOnlyPlacesTheWindow)
{
    FormGeometry f = form(6000, 4500, 10);
    f.controls = {box(Kind::Label, 100, 200, 500, 300, 8), box(Kind::ComboBox, 50, 60, 700, 315, 9),
                  line(10, 20, 30, 40)};
    const FormGeometry before = f;
    ResizeForm(f, 9600, 7200);
    EXPECT_DOUBLE_EQ(f.width, 6000);
    EXPECT_DOUBLE_EQ(f.height, 4500);
    EXPECT_DOUBLE_EQ(f.left, 1800);
    EXPECT_DOUBLE_EQ(f.top, (7200 - 4500) / 2.0 - 170);
    EXPECT_DOUBLE_EQ(f.fontSize, 10);
    for (int i = 0; i < f.controls.size(); ++i) {
        const auto &a = f.controls[i], &b = before.controls[i];
        EXPECT_EQ(std::tie(a.left, a.top, a.width, a.height, a.fontSize, a.x1, a.y1, a.x2, a.y2),
                  std::tie(b.left, b.top, b.width, b.height, b.fontSize, b.x1, b.y1, b.x2, b.y2));
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(FormResize, HalfDesignWindowTakesHalfTheScreen)
{
    FormGeometry f = form(4800, 3600);
    ResizeForm(f, 15360, 11520);
    EXPECT_FLOAT_EQ(f.width, 7680);
    EXPECT_FLOAT_EQ(f.height, 5760);
    EXPECT_FLOAT_EQ(f.left, 3840);
    EXPECT_FLOAT_EQ(f.top, 11520 / 4.0 - 170);
    // The client area follows the outer size through the frame allowance.
    EXPECT_FLOAT_EQ(f.clientWidth, 7680 - f.borderWidth);
    EXPECT_FLOAT_EQ(f.clientHeight, 5760 - f.captionHeight);
}

// What ResizeForm does to each kind of control, on a screen with horizontal factor 3 and vertical
// factor 2.25 so that the two factors can be told apart.
struct KindCase {
    Kind kind;
    bool boxScaled, heightScaled, fontScaled;
};

class ResizeFormKinds : public FormResize, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ResizeFormKinds, ScalesBoxAndFontByKind)
{
    const KindCase k = GetParam();
    FormGeometry f = form(9600, 7200, 8);
    f.controls = {box(k.kind, 200, 400, 1000, 300, 8)};
    ResizeForm(f, 28800, 16200);
    const ControlGeometry& c = f.controls[0];
    EXPECT_FLOAT_EQ(c.left, k.boxScaled ? 600 : 200);
    EXPECT_FLOAT_EQ(c.top, k.boxScaled ? 900 : 400);
    EXPECT_FLOAT_EQ(c.width, k.boxScaled ? 3000 : 1000);
    EXPECT_FLOAT_EQ(c.height, k.heightScaled ? 675 : 300);
    // Control fonts follow the smaller factor.
    EXPECT_FLOAT_EQ(c.fontSize, k.fontScaled ? 18 : 8);
    EXPECT_EQ(c.fontName, QStringLiteral("Sans"));
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, ResizeFormKinds,
    ::testing::Values(KindCase{Kind::Label, true, true, true}, KindCase{Kind::TextBox, true, true, true},
                      KindCase{Kind::CommandButton, true, true, true}, KindCase{Kind::ListBox, true, true, true},
                      KindCase{Kind::ComboBox, true, false, true}, KindCase{Kind::Image, true, true, false},
                      KindCase{Kind::CheckBox, true, true, true}, KindCase{Kind::OptionButton, true, true, true},
                      KindCase{Kind::Frame, true, true, true}, KindCase{Kind::ListView, true, true, true},
                      KindCase{Kind::Other, false, false, false}));

TEST_F(FormResize, WindowFontFollowsTheVerticalFactor)
{
    FormGeometry f = form(9600, 7200, 8);
    ResizeForm(f, 28800, 16200);
    EXPECT_FLOAT_EQ(f.fontSize, 18);
    // On a screen wider in proportion than tall, the controls take the horizontal factor instead.
    FormGeometry g = form(9600, 7200, 8);
    g.controls = {box(Kind::Label, 0, 0, 100, 100, 10)};
    ResizeForm(g, 9600 * 1.25, 7200 * 2);
    EXPECT_FLOAT_EQ(g.fontSize, 16);
    EXPECT_FLOAT_EQ(g.controls[0].fontSize, 12.5);
}

TEST_F(FormResize, FactorOneSixExample)
{
    FormGeometry f = form(9600, 7200, 8);
    f.controls = {box(Kind::TextBox, 100, 200, 500, 300, 8)};
    ResizeForm(f, 15360, 11520);
    const ControlGeometry& c = f.controls[0];
    EXPECT_FLOAT_EQ(c.left, 160);
    EXPECT_FLOAT_EQ(c.top, 320);
    EXPECT_FLOAT_EQ(c.width, 800);
    EXPECT_FLOAT_EQ(c.height, 480);
    EXPECT_NEAR(c.fontSize, 12.8, 1e-5);
}

TEST_F(FormResize, LinesAndListViewColumns)
{
    FormGeometry f = form(9600, 7200);
    ControlGeometry list = box(Kind::ListView, 0, 0, 4000, 2000);
    list.columnWidths = {530, 850, 430, 0};
    f.controls = {line(0, 3600, 9600, 3600), list};
    ResizeForm(f, 28800, 16200);
    const ControlGeometry& l = f.controls[0];
    EXPECT_FLOAT_EQ(l.x1, 0);
    EXPECT_FLOAT_EQ(l.x2, 28800);
    EXPECT_FLOAT_EQ(l.y1, 8100);
    EXPECT_FLOAT_EQ(l.y2, 8100);
    EXPECT_EQ(f.controls[1].columnWidths, (QVector<double>{1590, 2550, 1290, 0}));
    EXPECT_FLOAT_EQ(f.controls[1].width, 12000);
}

TEST_F(FormResize, ResultsAreSinglePrecision)
{
    FormGeometry f = form(9600, 7200);
    f.controls = {box(Kind::Label, 1000.1, 0, 0, 0)};
    ResizeForm(f, 9600 * 1.1, 7200);
    EXPECT_EQ(f.controls[0].left, double(float(1000.1 * float(1.1))));
    EXPECT_EQ(f.controls[0].left, double(float(f.controls[0].left)));
}

TEST_F(FormResize, ExactSizeFillsTheTargetFromTheOrigin)
{
    FormGeometry f = form(6000, 4500);
    ResizeFormTo(f, 12000, 9000, 9600, 7200, 1, 1, QString());
    EXPECT_DOUBLE_EQ(f.width, 12000);
    EXPECT_DOUBLE_EQ(f.height, 9000);
    EXPECT_DOUBLE_EQ(f.left, 0);
    EXPECT_DOUBLE_EQ(f.top, 0);
}

TEST_F(FormResize, ScaledToTargetIsCentredWithoutRaise)
{
    FormGeometry f = form(4920, 3905);   // client 4800 x 3500
    f.controls = {box(Kind::Label, 100, 100, 480, 350)};
    ResizeFormTo(f, 19200, 14400, 9600, 7200, 0, 1, QString());
    EXPECT_FLOAT_EQ(f.width, 9840);
    EXPECT_FLOAT_EQ(f.height, 7810);
    EXPECT_FLOAT_EQ(f.left, (19200 - 9840) / 2.0);
    EXPECT_FLOAT_EQ(f.top, (14400 - 7810) / 2.0);
    // Controls follow the client area, which grows by more than the outer size.
    const float hf = float((9840 - f.borderWidth) / 4800.0), vf = float((7810 - f.captionHeight) / 3500.0);
    EXPECT_FLOAT_EQ(f.controls[0].left, float(100 * hf));
    EXPECT_FLOAT_EQ(f.controls[0].top, float(100 * vf));
    EXPECT_FLOAT_EQ(f.controls[0].width, float(480 * hf));
    EXPECT_FLOAT_EQ(f.controls[0].height, float(350 * vf));
}

struct GrowthCase {
    double fontGrowth;
    double clientScale;
    double expectedFontFactor;
};

class FontGrowth : public FormResize, public ::testing::WithParamInterface<GrowthCase> {};

TEST_P(FontGrowth, FontsFollowTheClientChange)
{
    const GrowthCase g = GetParam();
    FormGeometry f = form(0, 0, 8);
    f.setClientSize(4000, 3000);
    f.controls = {box(Kind::CommandButton, 100, 100, 1000, 400, 8), box(Kind::ListView, 0, 0, 2000, 1000, 10)};
    f.controls[1].columnWidths = {1000, 500};
    ResizeFormTo(f, 4000 * g.clientScale + f.borderWidth, 3000 * g.clientScale + f.captionHeight, 9600, 7200, 1,
                 g.fontGrowth, QString());
    EXPECT_FLOAT_EQ(f.fontSize, 8 * g.expectedFontFactor);
    EXPECT_FLOAT_EQ(f.controls[0].fontSize, 8 * g.expectedFontFactor);
    EXPECT_FLOAT_EQ(f.controls[1].fontSize, 10 * g.expectedFontFactor);
    EXPECT_FLOAT_EQ(f.controls[0].width, 1000 * g.clientScale);
    EXPECT_FLOAT_EQ(f.controls[1].columnWidths[1], 500 * g.clientScale);
}

INSTANTIATE_TEST_SUITE_P(Growth, FontGrowth,
                         ::testing::Values(GrowthCase{0.5, 2, 1.5}, GrowthCase{1, 2, 2}, GrowthCase{0, 2, 1},
                                           // A smaller window: the outer height does not exceed the old
                                           // client height, so the fonts shrink fully.
                                           GrowthCase{0.5, 0.5, 0.5}));

TEST_F(FormResize, FontNameGoesToWindowAndTextControls)
{
    FormGeometry f = form(9600, 7200);
    f.controls = {box(Kind::Label, 0, 0, 10, 10), box(Kind::Image, 0, 0, 10, 10), box(Kind::Other, 0, 0, 10, 10)};
    FormGeometry kept = f;
    ResizeFormTo(kept, 9600, 7200, 9600, 7200, 0, 1, QString());
    EXPECT_EQ(kept.fontName, QStringLiteral("Sans"));
    EXPECT_EQ(kept.controls[0].fontName, QStringLiteral("Sans"));

    ResizeFormTo(f, 9600, 7200, 9600, 7200, 0, 1, QStringLiteral("Arial"));
    EXPECT_EQ(f.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(f.controls[0].fontName, QStringLiteral("Arial"));
    EXPECT_EQ(f.controls[1].fontName, QStringLiteral("Sans"));
    EXPECT_EQ(f.controls[2].fontName, QStringLiteral("Sans"));
}

TEST_F(FormResize, ZeroClientSizeReportsAndKeepsEarlierSteps)
{
    FormGeometry f = form(6000, 4500);
    f.borderWidth = 6000;   // the window reports no client width
    f.setOuterSize(6000, 4500);
    f.controls = {box(Kind::Label, 100, 100, 100, 100)};
    ResizeFormTo(f, 19200, 14400, 9600, 7200, 0, 1, QStringLiteral("Arial"));
    ASSERT_EQ(prompts.calls().size(), 1);
    EXPECT_EQ(prompts.calls()[0].title, QStringLiteral("Form Resize Error"));
    EXPECT_EQ(prompts.calls()[0].text, QStringLiteral("Division by zero"));
    // Steps before the failure stay; the controls and fonts keep their design values.
    EXPECT_FLOAT_EQ(f.width, 12000);
    EXPECT_FLOAT_EQ(f.left, 3600);
    EXPECT_EQ(f.fontName, QStringLiteral("Sans"));
    EXPECT_DOUBLE_EQ(f.controls[0].left, 100);
}

TEST_F(FormResize, FailureHalfwayThroughTheControls)
{
    FormGeometry f = form(9600, 7200);
    f.controls = {box(Kind::Label, 100, 100, 100, 100), box(Kind::Label, 100, 100, 3e38, 100),
                  box(Kind::Label, 100, 100, 100, 100)};
    ResizeForm(f, 28800, 16200);
    ASSERT_EQ(prompts.messages(), QStringList{QStringLiteral("Overflow")});
    EXPECT_EQ(prompts.calls()[0].title, QStringLiteral("Form Resize Error"));
    EXPECT_FLOAT_EQ(f.width, 28800);
    EXPECT_FLOAT_EQ(f.controls[0].left, 300);
    // The failing control got as far as its width; the one after it keeps its design geometry.
    EXPECT_FLOAT_EQ(f.controls[1].left, 300);
    EXPECT_DOUBLE_EQ(f.controls[1].width, 3e38);
    EXPECT_DOUBLE_EQ(f.controls[2].left, 100);
    EXPECT_DOUBLE_EQ(f.controls[2].fontSize, 8);
}

// The device windows' rule: a share of the area centred on it; boxes and line ends follow the
// window, text fonts the screen width (capped at 1.5), an image's font and other controls stay.
TEST(DeviceScaling, ShareOfTheAreaAndWhatEachControlKindTakes)
{
    // A screen whose work area holds the window as shared.
    Platform::setScreenOverride(Platform::Screen::ofSize(28800, 14400));
    FormGeometry f = form(4800, 3600);
    f.controls = {box(Kind::Label, 120, 240, 1200, 255), box(Kind::Image, 600, 600, 900, 900), line(100, 200, 300, 400),
                  box(Kind::Other, 50, 60, 70, 80)};
    // A work area twice the design screen, a screen three times as wide: fonts stop at 1.5.
    DeviceLayout::scaleToShare(f, 19200, 14400, 28800, true);

    EXPECT_DOUBLE_EQ(f.width, 9600);
    EXPECT_DOUBLE_EQ(f.height, 7200);
    EXPECT_DOUBLE_EQ(f.left, 4800);
    EXPECT_DOUBLE_EQ(f.top, 3600);
    EXPECT_DOUBLE_EQ(f.clientWidth, 9600 - f.borderWidth);
    EXPECT_DOUBLE_EQ(f.fontSize, 8);   // the window's font: new width / 9600

    const ControlGeometry& label = f.controls[0];
    EXPECT_DOUBLE_EQ(label.left, 240);
    EXPECT_DOUBLE_EQ(label.top, 480);
    EXPECT_DOUBLE_EQ(label.width, 2400);
    EXPECT_DOUBLE_EQ(label.height, 510);
    EXPECT_DOUBLE_EQ(label.fontSize, 12);
    EXPECT_DOUBLE_EQ(f.controls[1].width, 1800);
    EXPECT_DOUBLE_EQ(f.controls[1].fontSize, 8);
    EXPECT_DOUBLE_EQ(f.controls[2].x2, 600);
    EXPECT_DOUBLE_EQ(f.controls[2].y2, 800);
    EXPECT_DOUBLE_EQ(f.controls[3].left, 50);
    EXPECT_DOUBLE_EQ(f.controls[3].fontSize, 8);

    // The controls alone, by the factors a window of another rule gives them.
    DeviceLayout::scaleControls(f, 0.5, 0.25, DeviceLayout::fontFactor(4800));
    EXPECT_DOUBLE_EQ(f.controls[0].width, 1200);
    EXPECT_DOUBLE_EQ(f.controls[0].height, 127.5);
    EXPECT_DOUBLE_EQ(f.controls[0].fontSize, 6);
    EXPECT_DOUBLE_EQ(f.controls[2].x1, 100);
    EXPECT_DOUBLE_EQ(f.controls[2].y1, 100);
    EXPECT_DOUBLE_EQ(f.width, 9600);   // the window is the caller's
    Platform::setScreenOverride(std::nullopt);
}

// Shared out, a window keeps its frame and title bar inside the screen's work area: a design taller
// (or wider) than the design screen is scaled down to the work area, controls and fonts with it,
// and a window is placed inside the work area whatever the window manager's frame.
namespace {

struct FitRow {
    const char* name;
    Platform::Screen screen;
    double clientWidth, clientHeight;   // the design's client area
    bool shrinks;                       // the window comes out smaller than its share
    bool sharesScreen = false;          // its share is of the whole screen (the voice keyer's rule)
};

Platform::Screen screenPx(int w, int h) { return Platform::Screen::ofSize(w * 15.0, h * 15.0); }

Platform::Screen withPanel(Platform::Screen s, double top, double bottom)
{
    s.workTop = top;
    s.workHeight -= top + bottom;
    return s;
}

Platform::Screen withFrame(Platform::Screen s, int borderPx, int titlePx)
{
    s.frameBorder = borderPx * 15.0;
    s.frameTitle = titlePx * 15.0;
    return s;
}

const std::vector<FitRow>& fitRows()
{
    static const std::vector<FitRow> r = {
        // The rig window's design: 9480 x 6900 inside a frame, taller than the design screen.
        {"TallDesign1280x1024", screenPx(1280, 1024), 9480, 6900, true},
        {"TallDesign1920x1080", screenPx(1920, 1080), 9480, 6900, true},
        {"TallDesignUnderATopPanel", withPanel(screenPx(1280, 1024), 32 * 15, 0), 9480, 6900, true},
        {"TallDesignBigTitleBar", withFrame(screenPx(1280, 1024), 5, 38), 9480, 6900, true},
        {"WideDesign", screenPx(1280, 1024), 9700, 3000, true},
        // A window within its share stays as shared, moved only when a panel takes its place.
        {"SmallDesign", screenPx(1280, 1024), 4800, 3600, false},
        {"SmallDesignUnderABottomPanel", withPanel(screenPx(1280, 1024), 0, 300 * 15), 4800, 6000, false},
        {"ScreenShareAboveABottomPanel", withPanel(screenPx(1280, 1024), 0, 100 * 15), 4800, 6000, false, true},
    };
    return r;
}

class DeviceFit : public ::testing::TestWithParam<int> {
protected:
    void TearDown() override { Platform::setScreenOverride(std::nullopt); }
};

}   // namespace

TEST_P(DeviceFit, FrameInsideTheWorkArea)
{
    const FitRow& row = fitRows()[size_t(GetParam())];
    const Platform::Screen& s = row.screen;
    Platform::setScreenOverride(s);
    FormGeometry f;
    f.setClientSize(row.clientWidth, row.clientHeight);
    // A control along the bottom of the client area, and one along its right edge.
    f.controls = {box(Kind::Label, 120, row.clientHeight - 400, 2000, 400, DefaultFontPt),
                  box(Kind::TextBox, row.clientWidth - 1500, 120, 1500, 300, DefaultFontPt)};
    const double areaWidth = row.sharesScreen ? s.width : s.workWidth;
    const double areaHeight = row.sharesScreen ? s.height : s.workHeight;
    const double shareWidth = areaWidth * f.width / 9600, shareHeight = areaHeight * f.height / 7200;

    DeviceLayout::scaleToShare(f, areaWidth, areaHeight, s.width, true);

    const double frameWidth = std::max(f.width - f.clientWidth, s.outerWidth(0));
    const double frameHeight = std::max(f.height - f.clientHeight, s.outerHeight(0));
    EXPECT_GE(f.left, s.workLeft);
    EXPECT_GE(f.top, s.workTop);
    EXPECT_LE(f.left + f.clientWidth + frameWidth, s.workLeft + s.workWidth + 0.01);
    EXPECT_LE(f.top + f.clientHeight + frameHeight, s.workTop + s.workHeight + 0.01);
    // The controls still lie inside the client area.
    for (const ControlGeometry& c : f.controls) {
        EXPECT_LE(c.left + c.width, f.clientWidth + 0.01) << c.name.toStdString();
        EXPECT_LE(c.top + c.height, f.clientHeight + 0.01) << c.name.toStdString();
    }
    const double shareFont = DefaultFontPt * DeviceLayout::fontFactor(s.width);
    if (row.shrinks) {
        EXPECT_LT(f.width * f.height, shareWidth * shareHeight);
        EXPECT_LT(f.controls[0].fontSize, shareFont);
    } else {
        EXPECT_DOUBLE_EQ(f.width, shareWidth);
        EXPECT_DOUBLE_EQ(f.height, shareHeight);
        EXPECT_DOUBLE_EQ(f.controls[0].fontSize, shareFont);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, DeviceFit, ::testing::Range(0, int(fitRows().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(fitRows()[size_t(info.param)].name);
                         });

// The spot panel's layout on the window's geometry model: show, switch, hide, and that a hide
// followed by a show gives back the same rectangles.
#include <gtest/gtest.h>

#include "mainwindow/MainSizing.h"
#include "mainwindow/SpotPanelLayout.h"

using Kind = ControlGeometry::Kind;
using SpotPanelLayout::Panel;

namespace {

ControlGeometry box(const QString& name, Kind kind, double left, double top, double width, double height)
{
    ControlGeometry c;
    c.name = name;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

ControlGeometry line(const QString& name, double x1, double y1, double x2, double y2)
{
    ControlGeometry c;
    c.name = name;
    c.kind = Kind::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}

// A main window with odd measures (so rounding would show), two side lists, the divider and the
// panel at its design place near the bottom, two spot labels and five ticks. The side lists reach
// the divider, as the load leaves them.
FormGeometry window()
{
    FormGeometry f;
    f.setOuterSize(9600, 7200);
    f.controls << box("txtCall", Kind::TextBox, 120, 777, 1500, 363)
               << box("cmdList", Kind::CommandButton, 120, 4700, 1080, 333)
               << box("ListView1", Kind::ListView, 120, 2281, 6120, 2219)
               << box("List1", Kind::ListBox, 6300, 2521, 1500, 2460)
               << box("List2", Kind::ListBox, 7900, 2521, 1500, 2460)
               << box("Combo1", Kind::ComboBox, 3000, 6700, 900, 300) << line("Line3", 120, 4981, 9360, 4981)
               << box("txtDX", Kind::ListView, 120, 5580, 9240, 900) << box("lblDX", Kind::Label, 120, 5580, 9240, 900)
               << line("LineDX", 420, 6030, 9060, 6030) << box("lblDXSpot(0)", Kind::Label, 120, 5640, 600, 255)
               << box("lblDXSpot(1)", Kind::Label, 720, 6400, 600, 255);
    for (int k = 0; k < 5; ++k)
        f.controls << box(QStringLiteral("lblFreqSpot(%1)").arg(k), Kind::Label, 120 + k * 2160, 6120, 615, 255);
    return f;
}

SpotPanelLayout::Names names()
{
    SpotPanelLayout::Names n;
    n.spotLabels = {"lblDXSpot(0)", "lblDXSpot(1)"};
    for (int k = 0; k < 5; ++k)
        n.tickLabels << QStringLiteral("lblFreqSpot(%1)").arg(k);
    n.sideLists = {"List1", "List2"};
    return n;
}

void expectSame(const FormGeometry& a, const FormGeometry& b, const QStringList& skip = {})
{
    ASSERT_EQ(a.controls.size(), b.controls.size());
    for (int i = 0; i < a.controls.size(); ++i) {
        const ControlGeometry &x = a.controls[i], &y = b.controls[i];
        if (skip.contains(x.name))
            continue;
        SCOPED_TRACE(x.name.toStdString());
        EXPECT_EQ(x.left, y.left);
        EXPECT_EQ(x.top, y.top);
        EXPECT_EQ(x.width, y.width);
        EXPECT_EQ(x.height, y.height);
        EXPECT_EQ(x.x1, y.x1);
        EXPECT_EQ(x.y1, y.y1);
        EXPECT_EQ(x.x2, y.x2);
        EXPECT_EQ(x.y2, y.y2);
    }
}

}   // namespace

TEST(SpotPanelLayout, AShowCompressesTheContentAndFillsTheBottomWithTheStrip)
{
    FormGeometry f = window();
    SpotPanelLayout::Memory memory;
    // A menu bar taller than the frame allowance took 180 twips off the bottom of the client area.
    const double client = f.clientHeight - 180;
    const auto out = SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, true, false, client);
    EXPECT_EQ(out.after, Panel::List);
    EXPECT_TRUE(out.geometryChanged);

    // Boxes and lines shrink to 90 % of top and height; left and width stay; combo boxes stay.
    const ControlGeometry* call = f.control("txtCall");
    EXPECT_FLOAT_EQ(call->top, 777 * 0.9);
    EXPECT_FLOAT_EQ(call->height, 363 * 0.9);
    EXPECT_EQ(call->left, 120);
    EXPECT_EQ(call->width, 1500);
    EXPECT_FLOAT_EQ(f.control("Line3")->y1, 4981 * 0.9);
    EXPECT_EQ(f.control("Combo1")->top, 6700);
    // The side lists reach down to the compressed divider.
    EXPECT_FLOAT_EQ(f.control("List1")->top + f.control("List1")->height, 4981 * 0.9);
    EXPECT_EQ(f.control("List2")->height, f.control("List1")->height);

    // The strip starts at the lowest bottom edge of the content (cmdList), not at the panel's own
    // design place, and reaches the bottom of the client area as the window has it.
    const double bottom = double(float(4700 * 0.9)) + double(float(333 * 0.9));
    for (const char* name : {"txtDX", "lblDX"}) {
        SCOPED_TRACE(name);
        const ControlGeometry* strip = f.control(name);
        EXPECT_FLOAT_EQ(strip->top, bottom);
        EXPECT_FLOAT_EQ(strip->height, client - bottom);
        EXPECT_FLOAT_EQ(strip->left, 96);
        EXPECT_FLOAT_EQ(strip->width, 9312);
    }
    // The ruler across the middle, inset by half a spot label; the ticks on its quarter points.
    const ControlGeometry* ruler = f.control("LineDX");
    EXPECT_FLOAT_EQ(ruler->x1, 96 + 300);
    EXPECT_FLOAT_EQ(ruler->x2, 96 + 9312 - 300);
    EXPECT_FLOAT_EQ(ruler->y1, bottom + (client - bottom) / 2);
    EXPECT_EQ(ruler->y2, ruler->y1);
    for (int k = 0; k < 5; ++k) {
        const ControlGeometry* tick = f.control(QStringLiteral("lblFreqSpot(%1)").arg(k));
        EXPECT_FLOAT_EQ(tick->top, ruler->y1 + 0.004 * 7200);
        EXPECT_FLOAT_EQ(tick->left + 615 / 2.0, ruler->x1 + k * (ruler->x2 - ruler->x1) / 4);
    }
}

TEST(SpotPanelLayout, TransitionsOfOneDone)
{
    struct Row {
        const char* name;
        Panel before;
        bool sourceIsNone;
        bool listWanted;
        Panel after;
        std::optional<bool> bandMapShown;
        bool geometryChanged;
    };
    const Row rows[] = {
        {"hidden, list wanted: shown as list", Panel::Hidden, false, true, Panel::List, false, true},
        {"hidden, map wanted: shown as map", Panel::Hidden, false, false, Panel::Map, true, true},
        {"hidden, source None: nothing", Panel::Hidden, true, true, Panel::Hidden, std::nullopt, false},
        {"list stays list", Panel::List, false, true, Panel::List, std::nullopt, false},
        {"list to map", Panel::List, false, false, Panel::Map, true, false},
        {"map to list", Panel::Map, false, true, Panel::List, false, false},
        {"map stays map", Panel::Map, false, false, Panel::Map, std::nullopt, false},
        {"list hidden by None", Panel::List, true, true, Panel::Hidden, false, true},
        {"map hidden by None", Panel::Map, true, false, Panel::Hidden, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FormGeometry f = window();
        const FormGeometry before = f;
        SpotPanelLayout::Memory memory;
        const auto out =
            SpotPanelLayout::packetResize(f, memory, names(), r.before, r.listWanted, r.sourceIsNone, f.clientHeight);
        EXPECT_EQ(out.after, r.after);
        EXPECT_EQ(out.bandMapShown, r.bandMapShown);
        EXPECT_EQ(out.geometryChanged, r.geometryChanged);
        if (!r.geometryChanged)
            expectSame(f, before);
    }
}

TEST(SpotPanelLayout, HideRestoresTheExactRectanglesAndAShowAfterItRepeatsTheFirst)
{
    const FormGeometry design = window();
    FormGeometry f = design;
    SpotPanelLayout::Memory memory;
    SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, false, false, f.clientHeight);
    const FormGeometry firstShow = f;

    const auto hidden = SpotPanelLayout::packetResize(f, memory, names(), Panel::Map, false, true, f.clientHeight);
    EXPECT_EQ(hidden.after, Panel::Hidden);
    // The content is back exactly; the panel's controls are parked at top 1000.
    expectSame(f, design, names().tickLabels + names().spotLabels + QStringList{"txtDX", "lblDX", "LineDX"});
    for (int i = 0; i < f.controls.size(); ++i) {
        const ControlGeometry& c = f.controls[i];
        if (c.name.startsWith("lbl") || c.name == "txtDX") {
            SCOPED_TRACE(c.name.toStdString());
            EXPECT_EQ(c.top, SpotPanelLayout::ParkTop);
            EXPECT_EQ(c.height, design.controls[i].height);
        }
    }
    EXPECT_EQ(f.control("LineDX")->y1, SpotPanelLayout::ParkTop);

    // Many rounds later the layout is still the first one (the spot labels' tops are the map's
    // own business and not compared).
    for (int round = 0; round < 20; ++round) {
        SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, true, false, f.clientHeight);
        SpotPanelLayout::packetResize(f, memory, names(), Panel::List, true, true, f.clientHeight);
    }
    SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, false, false, f.clientHeight);
    expectSame(f, firstShow, names().spotLabels);
}

TEST(SpotPanelLayout, AWindowResizedWhileShownIsRestoredByTheInverseFactor)
{
    FormGeometry f = window();
    SpotPanelLayout::Memory memory;
    SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, true, false, f.clientHeight);
    // The operator's form size changes the content while the panel is shown.
    f.control("txtCall")->top = 600;
    f.control("txtCall")->height = 270;
    SpotPanelLayout::packetResize(f, memory, names(), Panel::List, true, true, f.clientHeight);
    EXPECT_FLOAT_EQ(f.control("txtCall")->top, 600 / 0.9);
    EXPECT_FLOAT_EQ(f.control("txtCall")->height, 300);
    // A strip below the client area gets no negative height.
    FormGeometry small = window();
    small.setOuterSize(9600, 3000);
    SpotPanelLayout::Memory m2;
    SpotPanelLayout::packetResize(small, m2, names(), Panel::Hidden, true, false, small.clientHeight);
    EXPECT_EQ(small.control("txtDX")->height, 0);
}

TEST(SpotPanelLayout, ARefitWhileShownEndsTheStripAtTheClientAreasBottom)
{
    // The fit to a work area 600 twips lower scales every box by the outer height; the frame and a
    // menu bar 180 twips taller than its allowance keep their height, so the scaled strip would
    // reach below the client area.
    for (const bool list : {true, false}) {
        SCOPED_TRACE(list ? "list" : "map");
        FormGeometry f = window();
        SpotPanelLayout::Memory memory;
        SpotPanelLayout::packetResize(f, memory, names(), Panel::Hidden, list, false, f.clientHeight - 180);
        MainSizing::FitToWorkArea(f, 0, 0, 9600, 6600, {"List1", "List2"}, "txtDX");
        const double top = f.control("txtDX")->top;
        const double client = f.clientHeight - 180;
        ASSERT_GT(top + f.control("txtDX")->height, client);

        SpotPanelLayout::fitToClientBottom(f, names(), client);
        for (const char* name : {"txtDX", "lblDX"}) {
            SCOPED_TRACE(name);
            EXPECT_FLOAT_EQ(f.control(name)->top, top);
            EXPECT_FLOAT_EQ(f.control(name)->top + f.control(name)->height, client);
            EXPECT_FLOAT_EQ(f.control(name)->left, 96);
            EXPECT_FLOAT_EQ(f.control(name)->width, 9312);
        }
        const ControlGeometry* ruler = f.control("LineDX");
        EXPECT_FLOAT_EQ(ruler->y1, top + (client - top) / 2);
        EXPECT_FLOAT_EQ(f.control("lblFreqSpot(2)")->top, ruler->y1 + 0.004 * 6600);
    }
}

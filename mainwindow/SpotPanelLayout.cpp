#include "mainwindow/SpotPanelLayout.h"

#include <QSet>

#include <algorithm>

#include "mainwindow/MainSizing.h"

namespace SpotPanelLayout {

using Kind = ControlGeometry::Kind;

namespace {

constexpr double Compress = 0.9;

// Window measures are single-precision values.
double sng(double v) { return double(float(v)); }

// Kinds the panel's show and hide move and size.
bool boxKind(Kind k)
{
    switch (k) {
    case Kind::Label:
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::ListBox:
    case Kind::ListView: return true;
    default: return false;
    }
}

QSet<QString> panelNames(const Names& n)
{
    QSet<QString> s{n.list, n.map, n.ruler};
    for (const QString& name : n.spotLabels)
        s.insert(name);
    for (const QString& name : n.tickLabels)
        s.insert(name);
    return s;
}

// Scales the vertical measures the show and hide change.
void scaleVertically(ControlGeometry& c, double factor)
{
    if (c.kind == Kind::Line) {
        c.y1 = sng(c.y1 * factor);
        c.y2 = sng(c.y2 * factor);
    } else if (boxKind(c.kind)) {
        c.height = sng(c.height * factor);
        c.top = sng(c.top * factor);
    }
}

bool sameVertically(const ControlGeometry& a, const ControlGeometry& b)
{
    return a.name == b.name && a.top == b.top && a.height == b.height && a.y1 == b.y1 && a.y2 == b.y2;
}

// True when nothing but the panel moved since the show recorded `memory`.
bool untouchedSinceShow(const FormGeometry& frm, const Memory& memory, const QSet<QString>& panel)
{
    if (memory.afterShow.size() != frm.controls.size() || memory.beforeShow.size() != frm.controls.size())
        return false;
    for (int i = 0; i < frm.controls.size(); ++i)
        if (!panel.contains(frm.controls[i].name) && !sameVertically(frm.controls[i], memory.afterShow[i]))
            return false;
    return true;
}

// The strip from `top` down to `clientHeight`, 1 % of the window's width from the left and 97 % of
// it wide; the ruler across its middle, inset by half a spot label; the ticks just under the ruler
// on its quarter points.
void placeStrip(FormGeometry& frm, const Names& names, double top, double clientHeight)
{
    const double height = sng(std::max(0.0, clientHeight - top));
    const double left = sng(0.01 * frm.width);
    const double width = sng(0.97 * frm.width);
    for (const QString& name : {names.list, names.map})
        if (ControlGeometry* c = frm.control(name)) {
            c->top = top;
            c->height = height;
            c->left = left;
            c->width = width;
        }
    const ControlGeometry* spot0 = names.spotLabels.isEmpty() ? nullptr : frm.control(names.spotLabels.first());
    const double inset = spot0 ? spot0->width / 2 : 0;
    if (ControlGeometry* ruler = frm.control(names.ruler)) {
        ruler->x1 = sng(left + inset);
        ruler->x2 = sng(left + width - inset);
        ruler->y1 = ruler->y2 = sng(top + height / 2);
        for (int k = 0; k < names.tickLabels.size(); ++k)
            if (ControlGeometry* tick = frm.control(names.tickLabels[k])) {
                tick->top = sng(ruler->y1 + 0.004 * frm.height);
                tick->left = sng(ruler->x1 + k * 0.25 * (ruler->x2 - ruler->x1) - tick->width / 2);
            }
    }
}

void show(FormGeometry& frm, Memory& memory, const Names& names, double clientHeight)
{
    const QSet<QString> panel = panelNames(names);
    memory.beforeShow = frm.controls;
    double bottom = 0;
    for (ControlGeometry& c : frm.controls) {
        scaleVertically(c, Compress);
        if (boxKind(c.kind) && !panel.contains(c.name))
            bottom = std::max(bottom, c.top + c.height);
    }
    MainSizing::SizeCountyLists(frm, names.sideLists);

    placeStrip(frm, names, sng(bottom), clientHeight);
    memory.afterShow = frm.controls;
}

void hide(FormGeometry& frm, Memory& memory, const Names& names)
{
    const QSet<QString> panel = panelNames(names);
    if (untouchedSinceShow(frm, memory, panel)) {
        for (int i = 0; i < frm.controls.size(); ++i) {
            ControlGeometry& c = frm.controls[i];
            const ControlGeometry& was = memory.beforeShow[i];
            c.top = was.top;
            c.height = was.height;
            c.y1 = was.y1;
            c.y2 = was.y2;
        }
    } else {
        // The window was resized while the panel was shown: give the room back by the inverse
        // of the compression.
        for (ControlGeometry& c : frm.controls)
            scaleVertically(c, 1 / Compress);
    }
    MainSizing::SizeCountyLists(frm, names.sideLists);
    for (const QString& name : panel)
        if (ControlGeometry* c = frm.control(name)) {
            if (c->kind == Kind::Line)
                c->y1 = c->y2 = ParkTop;
            else
                c->top = ParkTop;
        }
    memory = {};
}

}   // namespace

void fitToClientBottom(FormGeometry& frm, const Names& names, double clientHeight)
{
    if (const ControlGeometry* strip = frm.control(names.list))
        placeStrip(frm, names, strip->top, clientHeight);
}

Names Names::mainWindow(const QStringList& sideLists)
{
    Names n;
    for (int i = 0; i < 50; ++i)
        n.spotLabels << QStringLiteral("lblDXSpot(%1)").arg(i);
    for (int i = 0; i < 5; ++i)
        n.tickLabels << QStringLiteral("lblFreqSpot(%1)").arg(i);
    n.sideLists = sideLists;
    return n;
}

Outcome packetResize(FormGeometry& frm, Memory& memory, const Names& names, Panel before, bool listWanted,
                     bool sourceIsNone, double clientHeight)
{
    Outcome out;
    Panel panel = before;
    // Switch between list and map while the panel is shown.
    if (panel == Panel::List && !listWanted) {
        panel = Panel::Map;
    } else if (panel == Panel::Map && listWanted) {
        panel = Panel::List;
    }
    if (panel == Panel::Hidden && !sourceIsNone) {
        show(frm, memory, names, clientHeight);
        panel = listWanted ? Panel::List : Panel::Map;
        out.geometryChanged = true;
    } else if (panel != Panel::Hidden && sourceIsNone) {
        hide(frm, memory, names);
        panel = Panel::Hidden;
        out.geometryChanged = true;
    }
    // BandMapShown follows what the panel shows, so the spotting window's timer redraws the map
    // from its first show on and stops when it is hidden.
    if (panel != before)
        out.bandMapShown = panel == Panel::Map;
    out.after = panel;
    return out;
}

}   // namespace SpotPanelLayout

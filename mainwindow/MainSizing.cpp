#include "mainwindow/MainSizing.h"

#include <cfloat>
#include <cmath>

#include "core/Format.h"

namespace MainSizing {

using Kind = ControlGeometry::Kind;

namespace {

// Window measures are single-precision values.
double sng(double v) { return double(float(v)); }

bool representable(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// Kinds the load's rescale moves, sizes and gives a scaled font.
bool rescaledAtLoad(Kind k)
{
    switch (k) {
    case Kind::ListView:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::Frame:
    case Kind::ListBox:
    case Kind::CommandButton:
    case Kind::TextBox:
    case Kind::Label: return true;
    default: return false;
    }
}

// Kinds the percentage sizing shrinks.
bool shrunkByPercent(Kind k)
{
    switch (k) {
    case Kind::Label:
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::ListView:
    case Kind::ListBox: return true;
    default: return false;
    }
}

void setOuter(FormGeometry& frm, double w, double h) { frm.setOuterSize(sng(w), sng(h)); }

}   // namespace

void RescaleForScreen(FormGeometry& frm, double sw, double sh)
{
    const double wf = sng(sw / 9600.0);
    const double hf = sng(sh / 7200.0);
    setOuter(frm, frm.width / 9600.0 * sw, frm.height / 7200.0 * sh);
    frm.left = sng((sw - frm.width) / 2);
    frm.top = sng((sh - frm.height) / 2);
    frm.fontSize = frm.fontSize * frm.width / 9600.0;
    const double fontFactor = wf > hf ? hf : wf;
    for (ControlGeometry& c : frm.controls) {
        if (rescaledAtLoad(c.kind)) {
            c.height = sng(c.height * hf);
            c.left = sng(c.left * wf);
            c.top = sng(c.top * hf);
            c.width = sng(c.width * wf);
            c.fontSize = c.fontSize * fontFactor;
        } else if (c.kind == Kind::Line) {
            c.x1 = sng(c.x1 * wf);
            c.x2 = sng(c.x2 * wf);
            c.y1 = sng(c.y1 * hf);
            c.y2 = sng(c.y2 * hf);
        }
    }
}

void SizeCountyLists(FormGeometry& frm, const QStringList& sideLists)
{
    ControlGeometry* divider = frm.control(QStringLiteral("Line3"));
    if (!divider || sideLists.isEmpty())
        return;
    ControlGeometry* first = frm.control(sideLists.first());
    if (!first)
        return;
    first->height = sng(divider->y1 - first->top);
    for (int i = 1; i < sideLists.size(); ++i)
        if (ControlGeometry* c = frm.control(sideLists[i]))
            c->height = first->height;
}

bool ApplyFormSize(FormGeometry& frm, double percent, double sw, double sh, const QStringList& sideLists)
{
    const double p = percent / 100.0;
    const double w = percent * sw / 100.0;
    const double h = percent * sh / 100.0;
    if (!representable(w) || !representable(h) || w < 0 || h < 0)
        return false;
    setOuter(frm, w, h);
    frm.left = sng((sw - frm.width) / 2);
    frm.top = sng((sh - frm.height) / 2);
    frm.fontSize = frm.fontSize * p;
    for (ControlGeometry& c : frm.controls) {
        if (shrunkByPercent(c.kind)) {
            c.fontSize = c.fontSize * p;
            c.height = sng(c.height * p);
            c.left = sng(c.left * p);
            c.top = sng(c.top * p);
            c.width = sng(c.width * p);
        } else if (c.kind == Kind::Line) {
            c.x1 = sng(c.x1 * p);
            c.x2 = sng(c.x2 * p);
            c.y1 = sng(c.y1 * p);
            c.y2 = sng(c.y2 * p);
        }
    }
    SizeCountyLists(frm, sideLists);
    for (ControlGeometry& c : frm.controls)
        if (c.kind == Kind::ListView)
            for (double& col : c.columnWidths)
                col = sng(percent * col / 100.0);
    return true;
}

void FitToWorkArea(FormGeometry& frm, double left, double top, double w, double h, const QStringList& sideLists,
                   const QString& spotList)
{
    const double oldHeight = frm.height;
    const double oldWidth = frm.width;
    setOuter(frm, w, h);
    frm.left = sng(left);
    frm.top = sng(top);
    // A window of no size has no ratio to scale by: the controls then keep their boxes.
    if (oldWidth > 0 && oldHeight > 0) {
        const double rw = frm.width / oldWidth;
        const double rh = frm.height / oldHeight;
        for (ControlGeometry& c : frm.controls) {
            if (c.kind == Kind::Line) {
                c.x1 = sng(c.x1 * rw);
                c.x2 = sng(c.x2 * rw);
                c.y1 = sng(c.y1 * rh);
                c.y2 = sng(c.y2 * rh);
                continue;
            }
            c.height = sng(c.height * rh);
            c.left = sng(c.left * rw);
            c.top = sng(c.top * rh);
            c.width = sng(c.width * rw);
        }
        if (ControlGeometry* spots = frm.control(spotList))
            for (double& col : spots->columnWidths)
                col = sng(col * frm.width / oldWidth);
    }
    SizeCountyLists(frm, sideLists);
}

std::optional<int> FormSizeFromAnswer(const QString& answer)
{
    if (!Format::isNumeric(answer))
        return std::nullopt;
    double v = Format::toNumber(answer);
    if (v > 100)
        v = 100;
    if (v < 30)
        v = 30;
    return int(std::nearbyint(v));   // the default rounding mode takes a half to the even neighbour
}

namespace Texts {
QString formSizePrompt()
{
    return QStringLiteral("Enter the % of the screen you would like the form to cover.  Try between 90 and 100 "
                          "for best results.  Values below 75 do not display well.");
}
QString formSizeTitle() { return QStringLiteral("Please enter screen percentage."); }
QString restartText()
{
    return QStringLiteral("This program must be closed and restarted for this setting to take effect.");
}
QString restartTitle() { return QStringLiteral("For this setting to take effect please restart this program."); }
QString numericText() { return QStringLiteral("Please enter only numeric values."); }
QString numericTitle() { return QStringLiteral("Numeric Values Required"); }
QString taskbarRefusedText()
{
    return QStringLiteral("The form size must be set to 100% to use the taskbar display option.");
}
QString taskbarRefusedTitle() { return QStringLiteral("Please set your form size to 100% to use this option."); }
}   // namespace Texts

}   // namespace MainSizing

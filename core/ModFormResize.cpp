#include "core/ModFormResize.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "platform/Prompts.h"

bool ControlGeometry::isBoxKind() const
{
    switch (kind) {
    case Kind::Label:
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::ListBox:
    case Kind::ComboBox:
    case Kind::Image:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::Frame:
    case Kind::ListView: return true;
    default: return false;
    }
}

bool ControlGeometry::isTextKind() const { return isBoxKind() && kind != Kind::Image; }

void FormGeometry::setOuterSize(double w, double h)
{
    width = w;
    height = h;
    clientWidth = w - borderWidth;
    clientHeight = h - captionHeight;
}

void FormGeometry::setClientSize(double w, double h)
{
    clientWidth = w;
    clientHeight = h;
    width = w + borderWidth;
    height = h + captionHeight;
}

ControlGeometry* FormGeometry::control(const QString& name)
{
    for (auto& c : controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

namespace ModFormResize {

namespace {

// A step that the windowing layer would refuse; carries the error's text.
struct ResizeFailure {
    QString text;
};

// A single-precision result; beyond its range the step fails as an overflow.
float single(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        throw ResizeFailure{QStringLiteral("Overflow")};
    return float(v);
}

float divide(double a, double b)
{
    if (b == 0)
        throw ResizeFailure{QStringLiteral("Division by zero")};
    return single(a / b);
}

// Sizes cannot be negative.
void setSize(double& field, double v)
{
    const float f = single(v);
    if (f < 0)
        throw ResizeFailure{QStringLiteral("Invalid property value")};
    field = f;
}

void setPosition(double& field, double v) { field = single(v); }

void setFont(double& size, double v)
{
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        throw ResizeFailure{QStringLiteral("Overflow")};
    if (v < 0)
        throw ResizeFailure{QStringLiteral("Invalid property value")};
    size = v;
}

// Window outer size; the client area follows through the frame allowance.
void setWindowSize(FormGeometry& frm, double w, double h)
{
    setSize(frm.width, w);
    setSize(frm.height, h);
    frm.clientWidth = std::max(0.0, frm.width - frm.borderWidth);
    frm.clientHeight = std::max(0.0, frm.height - frm.captionHeight);
}

// Height, left, top and width, in that order (a failure stops part way, as the platform would).
void scaleBox(ControlGeometry& c, float hf, float vf, bool keepHeight)
{
    if (!keepHeight)
        setSize(c.height, c.height * vf);
    setPosition(c.left, c.left * hf);
    setPosition(c.top, c.top * vf);
    setSize(c.width, c.width * hf);
}

// A line's end points; a list view's column widths (on top of its box and font).
void scaleEndsAndColumns(ControlGeometry& c, float hf, float vf)
{
    if (c.kind == ControlGeometry::Kind::Line) {
        setPosition(c.x1, c.x1 * hf);
        setPosition(c.x2, c.x2 * hf);
        setPosition(c.y1, c.y1 * vf);
        setPosition(c.y2, c.y2 * vf);
    }
    if (c.kind == ControlGeometry::Kind::ListView) {
        const int m = int(c.columnWidths.size());
        for (int j = 0; j < m; ++j)
            setSize(c.columnWidths[j], c.columnWidths[j] * hf);
    }
}

void report(const ResizeFailure& f)
{
    Platform::prompts().messageBox(f.text, QStringLiteral("Form Resize Error"), Platform::Buttons::Ok);
}

}   // namespace

void ResizeForm(FormGeometry& frm, double screenWidthTwips, double screenHeightTwips)
{
    try {
        const double sw = screenWidthTwips, sh = screenHeightTwips;
        setSize(frm.width, divide(frm.width, DesignScreenWidth) * sw);
        setWindowSize(frm, frm.width, divide(frm.height, DesignScreenHeight) * sh);
        setPosition(frm.left, (sw - frm.width) / 2);
        setPosition(frm.top, (sh - frm.height) / 2 - 170);
        setFont(frm.fontSize, frm.fontSize * divide(sh, DesignScreenHeight));

        const float hf = divide(sw, DesignScreenWidth);
        const float vf = divide(sh, DesignScreenHeight);
        const int n = int(frm.controls.size());
        for (int i = 0; i < n; ++i) {
            ControlGeometry& c = frm.controls[i];
            if (c.isBoxKind()) {
                scaleBox(c, hf, vf, c.kind == ControlGeometry::Kind::ComboBox);
                if (c.isTextKind())
                    setFont(c.fontSize, c.fontSize * (hf <= vf ? hf : vf));
            }
            scaleEndsAndColumns(c, hf, vf);
        }
    } catch (const ResizeFailure& f) {
        report(f);
    }
}

void ResizeFormTo(FormGeometry& frm, double targetWidth, double targetHeight, double designWidth, double designHeight,
                  int exactSize, double fontGrowth, const QString& fontName)
{
    try {
        const double oldClientHeight = frm.clientHeight;
        const double oldClientWidth = frm.clientWidth;

        if (exactSize == 1) {
            setWindowSize(frm, targetWidth, targetHeight);
        } else {
            setSize(frm.width, divide(frm.width, designWidth) * targetWidth);
            setWindowSize(frm, frm.width, divide(frm.height, designHeight) * targetHeight);
        }
        setPosition(frm.left, (targetWidth - frm.width) / 2);
        setPosition(frm.top, (targetHeight - frm.height) / 2);

        const float hf = divide(frm.clientWidth, oldClientWidth);
        const float vf = divide(frm.clientHeight, oldClientHeight);
        const float r = hf <= vf ? hf : vf;
        float fontFactor = r;
        if (frm.height > oldClientHeight) {
            const float grown = single(float(r - 1.0f) * float(fontGrowth));
            fontFactor = single(1.0f + grown);
        }

        if (!fontName.isEmpty())
            frm.fontName = fontName;
        setFont(frm.fontSize, frm.fontSize * fontFactor);

        const int n = int(frm.controls.size());
        for (int i = 0; i < n; ++i) {
            ControlGeometry& c = frm.controls[i];
            if (c.isBoxKind()) {
                scaleBox(c, hf, vf, false);
                if (c.isTextKind()) {
                    if (!fontName.isEmpty())
                        c.fontName = fontName;
                    setFont(c.fontSize, c.fontSize * fontFactor);
                }
            }
            scaleEndsAndColumns(c, hf, vf);
        }
    } catch (const ResizeFailure& f) {
        report(f);
    }
}

void ScaleToScreen(FormGeometry& frm, double screenWidthTwips, double screenHeightTwips)
{
    using Kind = ControlGeometry::Kind;
    try {
        const double sw = screenWidthTwips, sh = screenHeightTwips;
        setWindowSize(frm, divide(frm.width, DesignScreenWidth) * sw, divide(frm.height, DesignScreenHeight) * sh);
        setPosition(frm.left, (sw - frm.width) / 2);
        setPosition(frm.top, (sh - frm.height) / 2);
        setFont(frm.fontSize, frm.fontSize * divide(frm.width, DesignScreenWidth));

        const float hf = divide(sw, DesignScreenWidth);
        const float vf = divide(sh, DesignScreenHeight);
        const float fontFactor = std::min(hf, 1.5f);
        for (ControlGeometry& c : frm.controls) {
            switch (c.kind) {
            case Kind::Label:
            case Kind::TextBox:
            case Kind::CommandButton:
            case Kind::ListBox:
            case Kind::Frame:
            case Kind::OptionButton:
            case Kind::Image:
                scaleBox(c, hf, vf, false);
                if (c.kind != Kind::Image)
                    setFont(c.fontSize, c.fontSize * fontFactor);
                break;
            case Kind::Line: scaleEndsAndColumns(c, hf, vf); break;
            default: break;
            }
        }
    } catch (const ResizeFailure&) {
        // Only a screen of no size gets here; the window keeps its design size.
    }
}

}   // namespace ModFormResize

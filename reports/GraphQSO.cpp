#include "reports/GraphQSO.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/DeviceLayout.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

constexpr double DesignWidth = 9600, DesignHeight = 7200;
// The plot frame, in design twips.
constexpr double FrameTop = 120, FrameBottom = 5880, FrameLeft = 480, FrameRight = 9240;

void setTextColor(QLabel* l, const QColor& c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

}   // namespace

GraphQSO::GraphQSO(QWidget* parent) : QDialog(parent), design_(this, DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("GraphQSO"));
    setWindowTitle(QStringLiteral(" Activity Graph - QSOs per Hour Rate   (# QSOs over 10 minutes X 6)"));
    setModal(true);
    setAutoFillBackground(true);
    DesignLayout& d = design_;
    d.geometry().setOuterSize(DesignWidth, DesignHeight);

    lines.resize(21);
    auto line = [&](int n, double x1, double y1, double x2, double y2) {
        lines[n - 1] = d.addLine(QStringLiteral("Line%1").arg(n), x1, y1, x2, y2);
    };
    line(1, FrameLeft, FrameTop, FrameRight, FrameTop);
    line(2, FrameLeft, FrameBottom, FrameRight, FrameBottom);
    line(4, FrameLeft, FrameTop, FrameLeft, FrameBottom);
    line(3, FrameRight, FrameTop, FrameRight, FrameBottom);
    line(8, FrameLeft, FrameBottom + 20, FrameRight, FrameBottom + 20);
    line(9, FrameLeft, FrameBottom + 120, FrameRight, FrameBottom + 120);
    lines[7]->setVisible(false);
    lines[8]->setVisible(false);
    const int grid[] = {5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    for (int k = 0; k < 15; ++k) {
        const double y = 480 + 360 * k;
        line(grid[k], FrameLeft, y, FrameRight, y);
        lines[grid[k] - 1]->setColor(QColor(128, 128, 128));
    }

    auto label = [&](const QString& name, double left, double top, double width, Qt::Alignment align) {
        auto* l = d.add<QLabel>(name, Kind::Label, left, top, width, 195, 7);
        l->setAlignment(align);
        setTextColor(l, Qt::white);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"), 0, FrameBottom - 20, FrameLeft - 40, Qt::AlignRight | Qt::AlignVCenter);
    Label1->setText(QStringLiteral("Band "));
    for (int k = 0; k <= 16; ++k) {
        const double y = FrameBottom - 360 * k;
        lblY << label(QStringLiteral("lblY(%1)").arg(k), 0, y - 100, FrameLeft - 40, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int k = 0; k <= 14; ++k) {
        const double x = FrameLeft + (FrameRight - FrameLeft) * k / 14.0;
        lblTime << label(QStringLiteral("lblTime(%1)").arg(k), x - 300, FrameBottom + 180, 600, Qt::AlignCenter);
        lblDate << label(QStringLiteral("lblDate(%1)").arg(k), x - 300, FrameBottom + 400, 600, Qt::AlignCenter);
    }
    const char* bands[] = {"160", "80", "40", "20", "15", "10", "Other"};
    for (int k = 0; k <= 6; ++k) {
        auto* l =
            label(QStringLiteral("lblBnd(%1)").arg(k), FrameLeft + 600 * k, FrameBottom + 660, 500, Qt::AlignCenter);
        l->setText(QLatin1String(bands[k]));
        setTextColor(l, RateGraph::bandColor(k == 6 ? QString() : QLatin1String(bands[k])));
        lblBnd << l;
    }
    lblBnd[6]->setVisible(false);

    Command1 = d.addButton(QStringLiteral("Command1"), QStringLiteral("Black Background"), 7440, 6480, 1800, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    QPalette p = palette();
    p.setColor(QPalette::Window, background_);
    setPalette(p);
    d.apply();
}

void GraphQSO::Form_Load()
{
    // The design-size window fills the work area; the controls follow its change of size, their
    // fonts the screen width (at most one and a half times).
    const Platform::Screen s = Platform::Screen::current();
    DeviceLayout::scaleToShare(design_.geometry(), s.workWidth, s.workHeight, s.width, true);
    design_.apply();
    DrawRateGraph();
}

void GraphQSO::Command1_Click()
{
    const bool toWhite = Command1->text() == QLatin1String("Black Background");
    Command1->setText(toWhite ? QStringLiteral("White Background") : QStringLiteral("Black Background"));
    background_ = toWhite ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor fore = toWhite ? QColor(0, 0, 0) : QColor(255, 255, 255);
    QPalette p = palette();
    p.setColor(QPalette::Window, background_);
    setPalette(p);
    for (QVector<QLabel*>* group : {&lblDate, &lblTime, &lblY})
        for (QLabel* l : *group)
            setTextColor(l, fore);
    setTextColor(Label1, fore);
    for (VbLine* l : lines)
        l->setColor(fore);
    DrawRateGraph();
}

void GraphQSO::DrawRateGraph()
{
    graph_ = RateGraph::compute(RateGraph::fromLog(), background_);
    if (!graph_.enough) {
        Platform::prompts().messageBox(
            QStringLiteral("The graph will not display with less than 7 contacts.  The graph becomes more meaningful "
                           "as several hours of contest logging are accumulated."),
            QStringLiteral("Not Enough Contacts to Graph."), Platform::Buttons::Ok);
        update();
        return;
    }
    for (int k = 0; k < lblTime.size() && k < graph_.timeLabels.size(); ++k) {
        lblTime[k]->setText(graph_.timeLabels[k]);
        lblDate[k]->setText(graph_.dateLabels[k]);
    }
    for (int k = 0; k < lblY.size() && k < graph_.yLabels.size(); ++k)
        lblY[k]->setText(graph_.yLabels[k]);
    update();
}

void GraphQSO::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    if (!graph_.drawable)
        return;
    const Platform::Screen s = Platform::Screen::current();
    auto px = [&](const QString& name, bool x) {
        const ControlGeometry* c = design_.control(name);
        return x ? c->x1 / s.twipsPerPixelX : c->y1 / s.twipsPerPixelY;
    };
    const double left = px(QStringLiteral("Line4"), true), right = px(QStringLiteral("Line3"), true);
    const double top = px(QStringLiteral("Line1"), false), bottom = px(QStringLiteral("Line2"), false);
    const double stripTop = px(QStringLiteral("Line8"), false), stripBottom = px(QStringLiteral("Line9"), false);
    const double cw = (right - left) / RateGraph::Columns;
    const double v = 0.995 * (bottom - top) / (double(graph_.maxRate) - graph_.minRate);
    auto x = [&](int c) { return left + 10.0 / s.twipsPerPixelX + (c - 2) * cw; };
    auto y = [&](double r) { return bottom - v * (r - graph_.minRate) - 0.0025 * (bottom - top); };

    QPainter p(this);
    for (int c = 1; c <= RateGraph::Columns; ++c) {
        const double prev = c == 1 ? 0.0 : graph_.plotRate[c - 1];
        if (graph_.plotRate[c] > 0 || prev > 0) {
            const QRectF strip(QPointF(x(c - 1), stripTop), QPointF(x(c), stripBottom));
            p.fillRect(strip.normalized(), graph_.bandColor[c]);
        }
    }
    p.setPen(QPen(QColor(0, 0, 255)));
    for (int c = 1; c <= RateGraph::Columns; ++c) {
        const double prev = c == 1 ? 0.0 : graph_.plotRate[c - 1];
        p.drawLine(QPointF(x(c), y(graph_.plotRate[c])), QPointF(x(c - 1), y(prev)));
    }
}

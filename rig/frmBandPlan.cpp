#include "rig/frmBandPlan.h"

#include "core/DeviceLayout.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "rig/RigLog.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct ClassButton {
    const char* caption;
    const char* letter;
    const char* heading;
    double left, width;
};
const ClassButton Classes[6] = {
    {"Novice", "N", "Novice Frequency Privileges", 120, 855},
    {"Technician", "T", "Technician Frequency Privileges", 1080, 975},
    {"Tech +", "P", "Technician Plus Frequency Privileges", 2160, 975},
    {"General", "G", "General Frequency Privileges", 3240, 1095},
    {"Advanced", "A", "Advanced Frequency Privileges", 4440, 975},
    {"Extra", "E", "Extra Frequency Privileges", 5520, 975},
};

const char* const ChartPrefixes[] = {"blbl", "bnlb", "priv"};

QLabel* titleLabel(DesignLayout& d, const QString& name, const QString& caption, double left, double top, double width,
                   double height, double pt, const QString& family)
{
    QLabel* l = d.addLabel(name, caption, left, top, width, height, nullptr, pt);
    if (auto* c = d.control(name))
        c->fontName = family;
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    return l;
}

void setColors(QWidget* w, const QColor& back, const QColor& text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}   // namespace

frmBandPlan::frmBandPlan(const QString& folder, QWidget* parent) : QDialog(parent), design_(this, 9480, 6690)
{
    setObjectName(QStringLiteral("frmBandPlan"));
    setWindowTitle(QStringLiteral("Frequency Privileges"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DesignLayout& d = design_;
    Command7 = d.addButton(QStringLiteral("Command7"), QStringLiteral("Done"), 4080, 6360, 1215, 300);
    for (int i = 0; i < 6; ++i) {
        const ClassButton& c = Classes[i];
        Command[i] = d.addButton(QStringLiteral("Command%1").arg(i + 1), QString::fromLatin1(c.caption), c.left, 80,
                                 c.width, 300);
        connect(Command[i], &QPushButton::clicked, this, [this, i] { Command_Click(i); });
    }
    connect(Command7, &QPushButton::clicked, this, &frmBandPlan::Command7_Click);
    Label1 = titleLabel(d, QStringLiteral("Label1"), QStringLiteral("Frequencies Effective"), 120, 400, 6375, 300, 9,
                        QStringLiteral("Arial"));
    Label2 = titleLabel(d, QStringLiteral("Label2"), QStringLiteral("Privelages"), 6600, 120, 2775, 255, DefaultFontPt,
                        QStringLiteral("Arial Narrow"));
    setColors(Label1, Qt::darkBlue, Qt::white);
    setColors(Label2, Qt::darkBlue, Qt::white);
    Label3 = titleLabel(d, QStringLiteral("Label3"), QStringLiteral("CW"), 6600, 420, 1335, 255, DefaultFontPt, {});
    Label4 = titleLabel(d, QStringLiteral("Label4"), QStringLiteral("Phone"), 8040, 420, 1335, 255, DefaultFontPt, {});
    Line1 = d.addLine(QStringLiteral("Line1"), 120, 720, 9360, 720);

    // The whole desktop work area, controls stretched with it.
    const Platform::Screen s = Platform::Screen::current();
    FormGeometry& g = d.geometry();
    g.setClientSize(9480, 6690);
    fontFactor_ = DeviceLayout::fontFactor(s.width);
    DeviceLayout::scaleControls(g, s.workWidth / g.width, s.workHeight / g.height, fontFactor_);
    g.setOuterSize(s.workWidth, s.workHeight);
    g.left = s.workLeft;
    g.top = s.workTop;
    d.apply();
    setColors(Label4, Qt::green, Qt::black);
    setColors(Label3, Qt::blue, Qt::white);

    file_ = Rig::loadBandPlanFile(folder);
    if (file_.dateRead)
        Label1->setText(QStringLiteral("Frequencies Effective: ") + file_.date);
    if (!file_.complete) {
        Platform::prompts().messageBox(QStringLiteral("Band data not available."),
                                       QStringLiteral("Band Data Not Available."));
        return;
    }
    Command_Click(5);
}

void frmBandPlan::Command_Click(int index)
{
    if (index < 0 || index >= 6)
        return;
    Label2->setText(QString::fromLatin1(Classes[index].heading));
    ShowPrivileges(QString::fromLatin1(Classes[index].letter));
}

void frmBandPlan::ShowPrivileges(const QString& cls)
{
    const QList<QLabel*> old = findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* l : old)
        for (const char* prefix : ChartPrefixes)
            if (l->objectName().startsWith(QLatin1String(prefix))) {
                delete l;
                break;
            }
    const QVector<Rig::ChartItem> items = Rig::privilegeChart(file_.rows, cls, width(), height(), Line1->end1().y());
    QFont tagFont(QStringLiteral("Arial"));
    tagFont.setPointSizeF(8 * fontFactor_);
    tagFont.setBold(true);
    QFont segFont(QStringLiteral("Arial Narrow"));
    segFont.setPointSizeF(7 * fontFactor_);
    for (const Rig::ChartItem& item : items) {
        auto* l = new QLabel(item.caption, this);
        l->setObjectName(item.name);
        l->setGeometry(item.rect.toRect());
        l->setToolTip(item.toolTip);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Box);
        switch (item.kind) {
        case Rig::ChartItem::Bar: setColors(l, Qt::black, Qt::black); break;
        case Rig::ChartItem::NameTag:
            setColors(l, Qt::yellow, Qt::black);
            l->setFont(tagFont);
            break;
        case Rig::ChartItem::Segment:
            if (item.cw)
                setColors(l, Qt::blue, Qt::white);
            else
                setColors(l, Qt::green, Qt::black);
            l->setFont(segFont);
            break;
        }
        l->show();
        l->raise();
    }
}

// Sizing of the main window on its geometry model: the load's rescale, the percentage sizing, the
// fit to screen or work area, the side lists and the form-size answer.
#include <gtest/gtest.h>

#include "mainwindow/MainSizing.h"

using Kind = ControlGeometry::Kind;

namespace {

ControlGeometry box(const QString& name, Kind kind, double left, double top, double width, double height,
                    double font = 8.25)
{
    ControlGeometry c;
    c.name = name;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.fontSize = font;
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

// A small main window at its design size: a label, a text box, a combo box, the contact and spot
// lists with columns, three side lists and the divider line.
FormGeometry designWindow()
{
    FormGeometry f;
    f.borderWidth = 120;
    f.captionHeight = 690;
    f.setOuterSize(9600, 7200);
    f.fontSize = 10;
    f.controls << box(QStringLiteral("Label1"), Kind::Label, 600, 400, 1000, 300, 10)
               << box(QStringLiteral("txtCall"), Kind::TextBox, 100, 200, 500, 300, 8)
               << box(QStringLiteral("Combo1"), Kind::ComboBox, 1000, 1000, 800, 300, 8)
               << box(QStringLiteral("ListView1"), Kind::ListView, 120, 2640, 4680, 2100)
               << box(QStringLiteral("txtDX"), Kind::ListView, 120, 5400, 9240, 1000)
               << box(QStringLiteral("List1"), Kind::ListBox, 6780, 2880, 800, 1000)
               << box(QStringLiteral("List2"), Kind::ListBox, 7640, 2880, 800, 1200)
               << box(QStringLiteral("List3"), Kind::ListBox, 8500, 2880, 800, 900)
               << line(QStringLiteral("Line3"), 120, 5220, 9360, 5220);
    f.control(QStringLiteral("ListView1"))->columnWidths = {550, 1200};
    f.control(QStringLiteral("txtDX"))->columnWidths = {1040, 880};
    return f;
}

const QStringList kSideLists = {QStringLiteral("List1"), QStringLiteral("List2"), QStringLiteral("List3")};

TEST(MainSizing, RescaleForScreenFollowsTheMainWindowsRule)
{
    // Both factors 1.6.
    FormGeometry f = designWindow();
    MainSizing::RescaleForScreen(f, 15360, 11520);
    EXPECT_DOUBLE_EQ(f.width, 15360);
    EXPECT_DOUBLE_EQ(f.height, 11520);
    EXPECT_DOUBLE_EQ(f.left, 0);   // centred exactly, no raise
    EXPECT_DOUBLE_EQ(f.top, 0);
    const ControlGeometry* t = f.control(QStringLiteral("txtCall"));
    EXPECT_DOUBLE_EQ(t->left, 160);
    EXPECT_DOUBLE_EQ(t->top, 320);
    EXPECT_DOUBLE_EQ(t->width, 800);
    EXPECT_DOUBLE_EQ(t->height, 480);
    EXPECT_FLOAT_EQ(float(t->fontSize), 12.8f);

    // Width factor 3, height factor 2.25: control fonts follow the smaller factor, the window's
    // own font the width factor.
    f = designWindow();
    MainSizing::RescaleForScreen(f, 28800, 16200);
    EXPECT_FLOAT_EQ(float(f.fontSize), 30.f);
    t = f.control(QStringLiteral("txtCall"));
    EXPECT_DOUBLE_EQ(t->left, 300);
    EXPECT_DOUBLE_EQ(t->top, 450);
    EXPECT_FLOAT_EQ(float(t->fontSize), 18.f);
    // The combo box and the columns are not this rule's business.
    const ControlGeometry* combo = f.control(QStringLiteral("Combo1"));
    EXPECT_DOUBLE_EQ(combo->left, 1000);
    EXPECT_DOUBLE_EQ(combo->height, 300);
    EXPECT_EQ(f.control(QStringLiteral("txtDX"))->columnWidths, (QVector<double>{1040, 880}));
    const ControlGeometry* l3 = f.control(QStringLiteral("Line3"));
    EXPECT_DOUBLE_EQ(l3->x2, 28080);
    EXPECT_DOUBLE_EQ(l3->y1, 11745);

    // A window smaller than the screen ends up centred exactly.
    f = designWindow();
    f.setOuterSize(4800, 3600);
    MainSizing::RescaleForScreen(f, 9600, 7200);
    EXPECT_DOUBLE_EQ(f.left, 2400);
    EXPECT_DOUBLE_EQ(f.top, 1800);
}

TEST(MainSizing, EightyPercentShrinksLayoutFontsAndColumns)
{
    FormGeometry f = designWindow();
    ASSERT_TRUE(MainSizing::ApplyFormSize(f, 80, 9600, 7200, kSideLists));
    EXPECT_DOUBLE_EQ(f.width, 7680);
    EXPECT_DOUBLE_EQ(f.height, 5760);
    EXPECT_DOUBLE_EQ(f.left, 960);
    EXPECT_DOUBLE_EQ(f.top, 720);
    EXPECT_FLOAT_EQ(float(f.fontSize), 8.f);
    const ControlGeometry* label = f.control(QStringLiteral("Label1"));
    EXPECT_DOUBLE_EQ(label->left, 480);
    EXPECT_FLOAT_EQ(float(label->fontSize), 8.f);
    EXPECT_DOUBLE_EQ(label->width, 800);
    // Both list views' columns shrink; a combo box is not a kind this sizing touches.
    EXPECT_EQ(f.control(QStringLiteral("ListView1"))->columnWidths, (QVector<double>{440, 960}));
    EXPECT_EQ(f.control(QStringLiteral("txtDX"))->columnWidths, (QVector<double>{832, 704}));
    EXPECT_DOUBLE_EQ(f.control(QStringLiteral("Combo1"))->left, 1000);
    // The side lists end at the shrunk divider and are equally high.
    const double divider = f.control(QStringLiteral("Line3"))->y1;
    EXPECT_DOUBLE_EQ(divider, 4176);
    for (const QString& name : kSideLists) {
        const ControlGeometry* c = f.control(name);
        EXPECT_DOUBLE_EQ(c->top + c->height, divider) << name.toStdString();
    }
}

TEST(MainSizing, FitScalesBoxesButNotFontsNorContactColumns)
{
    FormGeometry f = designWindow();
    ASSERT_TRUE(MainSizing::ApplyFormSize(f, 80, 9600, 7200, kSideLists));
    // A work area without a 600-twip taskbar at the bottom.
    MainSizing::FitToWorkArea(f, 0, 0, 9600, 6600, kSideLists, QStringLiteral("txtDX"));
    EXPECT_DOUBLE_EQ(f.left, 0);
    EXPECT_DOUBLE_EQ(f.top, 0);
    EXPECT_DOUBLE_EQ(f.width, 9600);
    EXPECT_DOUBLE_EQ(f.height, 6600);
    const ControlGeometry* label = f.control(QStringLiteral("Label1"));
    EXPECT_DOUBLE_EQ(label->left, 600);
    EXPECT_FLOAT_EQ(float(label->top / f.height), float(320.0 / 5760.0));   // same share of the height
    EXPECT_FLOAT_EQ(float(label->fontSize), 8.f);                           // fonts stay at 80 %
    EXPECT_EQ(f.control(QStringLiteral("ListView1"))->columnWidths, (QVector<double>{440, 960}));
    EXPECT_EQ(f.control(QStringLiteral("txtDX"))->columnWidths, (QVector<double>{1040, 880}));
    // Every kind moves, the combo box included.
    EXPECT_DOUBLE_EQ(f.control(QStringLiteral("Combo1"))->left, 1250);
    const double divider = f.control(QStringLiteral("Line3"))->y1;
    for (const QString& name : kSideLists) {
        const ControlGeometry* c = f.control(name);
        EXPECT_FLOAT_EQ(float(c->top + c->height), float(divider)) << name.toStdString();
    }
}

TEST(MainSizing, FormSizeAnswers)
{
    struct Case {
        const char* answer;
        std::optional<int> want;
    };
    const Case cases[] = {
        {"120", 100}, {"10", 30},   {"85.5", 86},          {"86.5", 86},       {"100", 100},
        {"75", 75},   {" 90 ", 90}, {"abc", std::nullopt}, {"", std::nullopt}, {"9o", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainSizing::FormSizeFromAnswer(QString::fromLatin1(c.answer)), c.want) << c.answer;
}

}   // namespace

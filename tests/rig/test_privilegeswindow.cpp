// The frequency-privileges window on the offscreen platform: BandPlan.txt in a temporary program
// folder, the class buttons, and the labels they leave.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "rig/frmBandPlan.h"
#include "tests/support/ScriptedPrompts.h"

namespace {

class PrivilegesWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Platform::setPrompts(&prompts);
        Platform::setScreenOverride(Platform::Screen::ofSize(14400, 10800));
    }
    void TearDown() override
    {
        Platform::setPrompts(nullptr);
        Platform::setScreenOverride(std::nullopt);
    }
    void install(const QByteArray& data)
    {
        QFile f(dir.filePath(QStringLiteral("BandPlan.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // The generated labels whose names start with `prefix`.
    static QStringList labels(const frmBandPlan& w, const char* prefix)
    {
        QStringList out;
        for (QLabel* l : w.findChildren<QLabel*>())
            if (l->objectName().startsWith(QLatin1String(prefix)))
                out << l->objectName() + QLatin1Char('=') + l->text();
        out.sort();
        return out;
    }

    QTemporaryDir dir;
    Platform::ScriptedPrompts prompts;
};

const QByteArray Plan = "\"July 1, 2023\"\r\n"
                        "\"80\",\"O\",\"PH\",3.5,4\r\n"
                        "\"80\",\"E\",\"CW\",3.5,3.6\r\n"
                        "\"80\",\"P\",\"CW\",3.525,3.6\r\n"
                        "\"40\",\"O\",\"PH\",7,7.3\r\n"
                        "\"40\",\"E\",\"PH\",7.125,7.3\r\n";

}   // namespace

TEST_F(PrivilegesWindow, OpensOnExtraAndClassButtonsReplaceTheChart)
{
    install(Plan);
    frmBandPlan w(dir.path());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Frequency Privileges"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Frequencies Effective: July 1, 2023"));
    EXPECT_EQ(w.Label2->text(), QStringLiteral("Extra Frequency Privileges"));
    EXPECT_EQ(labels(w, "blbl"), QStringList({"blbl1=80", "blbl2=40"}));
    EXPECT_EQ(labels(w, "bnlb"), QStringList({"bnlb1=80", "bnlb2=40"}));
    EXPECT_EQ(labels(w, "priv"), QStringList({"priv1=3.500 - 3.600", "priv2=7.125 - 7.300"}));
    QLabel* cw = w.findChild<QLabel*>(QStringLiteral("priv1"));
    ASSERT_TRUE(cw);
    EXPECT_EQ(cw->toolTip(), QStringLiteral("CW  3.500 - 3.600"));
    EXPECT_EQ(cw->palette().color(QPalette::Window), QColor(Qt::blue));
    // The segment lies on its bar.
    QLabel* bar = w.findChild<QLabel*>(QStringLiteral("blbl1"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(cw->y(), bar->y());
    EXPECT_EQ(cw->x(), bar->x());

    for (int round = 0; round < 2; ++round) {
        w.Command[2]->click();   // "Tech +"
        EXPECT_EQ(w.Label2->text(), QStringLiteral("Technician Plus Frequency Privileges"));
        EXPECT_EQ(labels(w, "blbl"), QStringList({"blbl1=80"}));
        EXPECT_EQ(labels(w, "bnlb"), QStringList({"bnlb1=80"}));
        EXPECT_EQ(labels(w, "priv"), QStringList({"priv1=3.525 - 3.600"}));
        w.Command[0]->click();   // "Novice": no rows, no chart
        EXPECT_EQ(w.Label2->text(), QStringLiteral("Novice Frequency Privileges"));
        EXPECT_TRUE(labels(w, "blbl").isEmpty());
        EXPECT_TRUE(labels(w, "priv").isEmpty());
    }
}

TEST_F(PrivilegesWindow, DamagedOrMissingPlanShowsTheMessageAndDrawsTheRowsRead)
{
    install(Plan + "\"20\",\"O\",\"PH\",x,14.35\r\n");
    {
        frmBandPlan w(dir.path());
        EXPECT_EQ(prompts.messages(), QStringList({"Band data not available."}));
        EXPECT_EQ(prompts.calls().value(0).title, QStringLiteral("Band Data Not Available."));
        EXPECT_EQ(w.Label2->text(), QStringLiteral("Privelages"));
        EXPECT_TRUE(labels(w, "blbl").isEmpty());
        w.Command[5]->click();
        EXPECT_EQ(labels(w, "blbl"), QStringList({"blbl1=80", "blbl2=40"}));
    }
    prompts.clear();
    QFile::remove(dir.filePath(QStringLiteral("BandPlan.txt")));
    frmBandPlan w(dir.path());
    EXPECT_EQ(prompts.messages(), QStringList({"Band data not available."}));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Frequencies Effective"));
    w.Command[5]->click();
    EXPECT_TRUE(labels(w, "blbl").isEmpty());
}

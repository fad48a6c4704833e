#include "core/Form6.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

#include "core/Colors.h"
#include "core/Form5.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

namespace {

void setTextColor(QLabel* l, long long bbggrr)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Colors::fromNumber(bbggrr));
    l->setPalette(p);
}

// Asks the operator for a colour, starting from `current`; Cancel leaves it as it was.
// The colour chosen is stored in `current`; the main window's menu command writes it.
void choose(int32_t& current, Module2::PrefItem item)
{
    const std::optional<QColor> c = Platform::prompts().chooseColor(Colors::fromNumber(current));
    if (c && c->isValid()) {
        current = int32_t(Colors::toNumber(*c));
        Module2::MarkPrefStored(item);
    }
}

}   // namespace

Form6::Form6(QWidget* parent) : QDialog(parent), design_(this, 5595, 2115)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral(" Modify Multiplier Color Selections"));
    setModal(true);
    DesignLayout& d = design_;
    Command1 =
        d.addButton(QStringLiteral("Command1"), QStringLiteral("Change \"Remaining\" Color"), 120, 120, 2535, 495);
    Command3 = d.addButton(QStringLiteral("Command3"), QStringLiteral("Change \"Worked\" Color"), 2880, 120, 2535, 495);
    Label2 =
        d.addLabel(QStringLiteral("Label2"), QStringLiteral("Appearance of multiplier remaining"), 480, 840, 1935, 495);
    Label1 =
        d.addLabel(QStringLiteral("Label1"), QStringLiteral("Appearance of multiplier worked"), 3240, 840, 1935, 495);
    for (QLabel* l : {Label1, Label2}) {
        QFont f = l->font();
        f.setFamily(QStringLiteral("Arial"));
        l->setFont(f);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
    }
    d.control(QStringLiteral("Label1"))->fontName = QStringLiteral("Arial");
    d.control(QStringLiteral("Label2"))->fontName = QStringLiteral("Arial");
    Line2 = d.addLine(QStringLiteral("Line2"), 2760, 0, 2760, 1440);
    Line1 = d.addLine(QStringLiteral("Line1"), 120, 1440, 5520, 1440);
    Command6 = d.addButton(QStringLiteral("Command6"), QStringLiteral("Done"), 2160, 1680, 1095, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    d.apply();
}

void Form6::Form_Load()
{
    Form5::scaleToScreen(design_.geometry(), Platform::Screen::current(), true);
    design_.apply();
    showSamples();
}

void Form6::showSamples()
{
    setTextColor(Label1, G.WorkedColor);
    setTextColor(Label2, G.UnworkedColor);
}

void Form6::Command1_Click()
{
    choose(G.UnworkedColor, Module2::PrefItem::UnworkedColor);
    showSamples();
}

void Form6::Command3_Click()
{
    choose(G.WorkedColor, Module2::PrefItem::WorkedColor);
    showSamples();
}

void Form6::Command6_Click() { hide(); }

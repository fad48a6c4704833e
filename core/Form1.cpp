#include "core/Form1.h"

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "core/MainLogWindow.h"

#include <QLabel>
#include <QLineEdit>

#include <QPointer>

namespace {

// Held by a guarded pointer and never deleted at exit: a widget must not outlive the application
// object, and static destructors run after it.
QPointer<Form1>& holder()
{
    static QPointer<Form1> form;
    return form;
}

MainLogWindow* outWindow = nullptr;
MainLogWindow* inWindow = nullptr;

}   // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    lblDX = new QLabel(this);
    lblDX->setObjectName(QStringLiteral("lblDX"));
    lblDX->setVisible(false);
    txtCall = new QLineEdit(this);
    txtCall->setObjectName(QStringLiteral("txtCall"));
    txtDX = new QLineEdit(this);
    txtDX->setObjectName(QStringLiteral("txtDX"));
}

Form1& Form1::instance()
{
    auto& form = holder();
    if (!form)
        form = new Form1;
    return *form;
}

bool Form1::isLoaded() { return !holder().isNull(); }

void Form1::unload()
{
    delete holder().data();
    holder() = nullptr;
}

void Form1::registerMainWindow(MainLogWindow* window, bool outOfState) { (outOfState ? outWindow : inWindow) = window; }

void Form1::unregisterMainWindow(MainLogWindow* window)
{
    if (outWindow == window)
        outWindow = nullptr;
    if (inWindow == window)
        inWindow = nullptr;
}

MainLogWindow* Form1::target() { return G.OutOfStateFlag != 0 ? outWindow : inWindow; }

void Form1::SavePref() { Module2::WriteQSOpref(); }

void Form1::BandFreqConversion(float& frequencyValue)
{
    if (MainLogWindow* w = target())
        w->BandFreqConversion(frequencyValue);
}

void Form1::ModeSelection(QString& strMode)
{
    if (MainLogWindow* w = target())
        w->ModeSelection(strMode);
}

void Form1::PacketResize()
{
    if (MainLogWindow* w = target())
        w->PacketResize();
}

void Form1::DisplayBandMapLabels()
{
    if (MainLogWindow* w = target())
        w->DisplayBandMapLabels();
}

void Form1::BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord)
{
    if (MainLogWindow* w = target())
        w->BandMapSpots(qDXSpotCall, qDXSpotFreq, qDXSpotRecord);
}

// The form is never shown, so the label's own "shown" attribute is the flag.
bool Form1::BandMapShown() const { return !lblDX->isHidden(); }

void Form1::setBandMapShown(bool shown) { lblDX->setVisible(shown); }

#include "keying/KeyerStartup.h"

#include "core/Globals.h"
#include "keying/KeyingLog.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"

namespace KeyerStartup {

namespace {
Loaded& state()
{
    static Loaded l;
    return l;
}
}   // namespace

const Loaded& loaded() { return state(); }

bool readFiles()
{
    Loaded& l = state();
    l.phone = KeyerSettings::readPhone(G.ProgramFolder);
    // CW.txt fails quietly; what it gave is still used.
    l.cw = KeyerSettings::readCW(G.ProgramFolder);
    if (!l.cw.complete)
        qCWarning(lcKeying) << "CW.txt read in part:" << l.cw.valuesRead << "of"
                            << KeyerSettings::CWSettings::ValueCount << "values taken";
    if (l.cw.valuesRead >= 15)
        G.CWKeyMethod = l.cw.keyMethod;
    return l.phone.has_value();
}

void fillPhoneWindow()
{
    if (state().phone)
        PhoneFrm::instance().LoadSettings(*state().phone);
}

void fillCWWindow()
{
    if (state().cw.valuesRead > 0)
        CWFrm::instance().LoadSettings(state().cw);
}

StationSetup::KeyerSteps steps() { return {&readFiles, &fillPhoneWindow, &fillCWWindow}; }

}   // namespace KeyerStartup

#include "core/Globals.h"

#include <stdexcept>

Globals G;

void resetGlobals() { G = Globals(); }

ContactArraysT::ContactArraysT()
{
    for (int k = 1; k <= FieldCount; ++k)
        if (k != 16)
            array(k).resize(MaxContacts + 1);
    ContactField16.resize(MaxContacts + 1);
}

QVector<QString>& ContactArraysT::array(int k)
{
    switch (k) {
    case 1: return ContactCall;
    case 2: return ContactRSTSent;
    case 3: return ContactRSTRcvd;
    case 4: return ContactSPC;
    case 5: return ContactCounty;
    case 6: return ContactField6;
    case 7: return ContactSentCounty;
    case 8: return ContactField8;
    case 9: return ContactField9;
    case 10: return ContactField10;
    case 11: return ContactField11;
    case 12: return ContactDate;
    case 13: return ContactTime;
    case 14: return ContactMode;
    case 15: return ContactBand;
    case 17: return ContactField17;
    case 18: return ContactField18;
    case 19: return ContactFrequency;
    default: throw std::out_of_range("ContactArrays: no text field with that number");
    }
}

QString& ContactArraysT::text(int k, int i) { return array(k)[i]; }

const QString& ContactArraysT::text(int k, int i) const { return const_cast<ContactArraysT*>(this)->array(k)[i]; }

void ContactArraysT::clearSlot(int i)
{
    for (int k = 1; k <= FieldCount; ++k)
        if (k != 16)
            array(k)[i].clear();
    ContactField16[i] = 0;
}

void ContactArraysT::copySlot(int from, int to)
{
    for (int k = 1; k <= FieldCount; ++k)
        if (k != 16)
            array(k)[to] = array(k)[from];
    ContactField16[to] = ContactField16[from];
}

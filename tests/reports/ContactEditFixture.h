#pragma once
// Shared set-up of the contact edit tests: a small county and country table, the state and
// province table, and a log of hand-made contacts in memory.
#include <QString>
#include <QStringList>

#include "core/Globals.h"
#include "mainwindow/StateProvinces.h"
#include "reports/ContactEdit.h"
#include "tests/core/test_store_fixture.h"
#include "tests/entry/LogBuilder.h"

class ContactEditTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.CountyNames = {"Adams", "Allen", "Marion", "Marshall", "Martin", "St. Joseph", "Starke", "Vigo"};
        StateProvinces::FillStateProvinceTable();
        for (const auto& [prefix, country] :
             {std::pair{"DA", "Germany"}, std::pair{"DL", "Germany"}, std::pair{"G", "England"},
              std::pair{"GM", "Scotland"}, std::pair{"OH", "Finland"}, std::pair{"SV", "Greece"}}) {
            CountryRow r;
            r.prefix = QString::fromLatin1(prefix);
            r.country = QString::fromLatin1(country);
            G.CountryTable << r;
        }
    }

    // Starts a table-driven case afresh: an empty log, no prompts.
    void restart()
    {
        resetGlobals();
        SetUp();
        prompts.clear();
    }

    // An in-state contact: W9ABC, Marion, sent from Vigo, 20 m CW.
    static TestLog::Contact contact(const QString& call = QStringLiteral("W9ABC"))
    {
        TestLog::Contact c;
        c.call = call;
        c.spc = QStringLiteral("IN");
        c.county = QStringLiteral("Marion");
        c.sentCounty = QStringLiteral("Vigo");
        c.mode = QStringLiteral("CW");
        c.time = QStringLiteral("14:02:11");
        c.frequency = QStringLiteral("14.025");
        return c;
    }
    static int add(const TestLog::Contact& c)
    {
        const int i = TestLog::add(c);
        G.ContactArrays.ContactField9[i] = QStringLiteral("spare");
        return i;
    }
    // An editor of `variant` loaded with record `record`.
    static ContactEdit::Editor editing(int record, ContactEdit::Variant variant = ContactEdit::Variant::In)
    {
        G.EditIndex = record;
        ContactEdit::Editor e(variant);
        e.Form_Load();
        return e;
    }
};

#pragma once

#include <memory>

#include "DesignerTestHost.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

// The designer window built offscreen in a fresh folder that holds the
// print-run program's ten default layouts, with scripted boxes.
class DesignerWindowFixture : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(layouts.SetupTicketFileDefaults());
        // Layout A in use, as the program loads it at start.
        ASSERT_TRUE(layouts.LoadTicketFile(1, layouts.TicketBuffer));
        engine = std::make_unique<PrintRoutines>(host);
        window = std::make_unique<Ticketstp>(layouts, host, *engine);
    }
    void TearDown() override
    {
        window.reset();
        TempDirTest::TearDown();
    }

    // Stores a layout of `type` as record `tab`: the default of its letter
    // with the fields the type uses shown, as a change of type leaves it.
    void storeType(int tab, qint16 type)
    {
        TicketFileRecord rec;
        ASSERT_TRUE(layouts.LoadTicketFile(qint16(tab), rec));
        rec.TicketType = type;
        int firstHidden = 9;
        if (type == 1 || type == 4)
            firstHidden = 4;
        else if (type == 5)
            firstHidden = 7;
        else if (type == 6)
            firstHidden = 6;
        for (int i = 0; i < 10; ++i)
            rec.ShowField[i] = i < firstHidden ? -1 : 0;
        ASSERT_TRUE(layouts.SaveTicketFile(qint16(tab), rec));
    }

    TicketFileRecord storedRecord(int tab)
    {
        TicketFileRecord rec;
        ticketbas reader;
        EXPECT_TRUE(reader.LoadTicketFile(qint16(tab), rec));
        return rec;
    }

    ScriptedDialogs dialogs;
    ScriptedFontDialog fonts;
    ticketbas layouts;
    DesignerTestHost host{layouts};
    std::unique_ptr<PrintRoutines> engine;
    std::unique_ptr<Ticketstp> window;
};

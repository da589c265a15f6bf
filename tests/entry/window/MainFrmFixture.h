#pragma once

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

// The main window loaded in the test's folder, for the tests of its screens
// and of the editors it opens.
class MainFrmFixture : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
    }
    void TearDown() override
    {
        frm.reset();
        TempDirTest::TearDown();
    }

    // The list entries of the main window's field box Combo1(index).
    QStringList comboEntries(int index) const
    {
        QStringList entries;
        platform::ComboBox* combo = frm->Combo1[size_t(index)];
        for (int n = 0; n < combo->ListCount(); ++n)
            entries << combo->List(n);
        return entries;
    }
    static void expectMessage(const ScriptedDialogs::Shown& box, const QString& text,
                              const QString& title, platform::Dialogs::Icon icon,
                              platform::Dialogs::Buttons buttons = platform::Dialogs::Buttons::OK)
    {
        EXPECT_EQ(box.kind, ScriptedDialogs::Kind::Message);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
    }

    std::unique_ptr<MainFrm> frm;
};

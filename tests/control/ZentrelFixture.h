#pragma once

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "support/TempDirTest.h"

#include "control/core/SharedState.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"

// A host form for the control, recording printers ("Office Laser" current,
// "Label Printer", "PDF") and the per-process values as a new process has
// them, in a fresh temporary folder.
class ZentrelFixture : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        SharedState::get().reset();
        platform::Printers::install(&m_printers);
    }
    void TearDown() override
    {
        platform::Printers::install(nullptr);
        SharedState::get().reset();
        TempDirTest::TearDown();
    }

    platform::Printers m_printers{
        {QStringLiteral("Office Laser"), QStringLiteral("Label Printer"), QStringLiteral("PDF")},
        QStringLiteral("Office Laser"),
        [](const QString& name) { return std::make_unique<platform::RecordingPrinter>(name); }};
    QWidget m_form;
};

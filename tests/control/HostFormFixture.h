#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/TextBox.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"

// A host form of text controls with the print/preview control on it:
// labels, one-line boxes, a many-line box of 120 numbered lines, a masked
// box, a combo box, a label that starts a new page, one tagged "noprint"
// and one hidden. The printers are "Recorder" (300 dpi, current) and a
// 600 dpi "PDF".
class HostFormFixture : public TempDirTest
{
protected:
    static QString lineText(int n)
    {
        return QStringLiteral("Stock line %1").arg(n, 3, 10, QLatin1Char('0'));
    }

    void SetUp() override
    {
        TempDirTest::SetUp();
        startHost();
    }
    void TearDown() override
    {
        endHost();
        TempDirTest::TearDown();
    }

    // A fresh form, printers and per-process values (table cases call
    // endHost and startHost between rows).
    void startHost()
    {
        SharedState::get().reset();
        m_printers = std::make_unique<platform::Printers>(
            QStringList{QStringLiteral("Recorder"), QStringLiteral("PDF")},
            QStringLiteral("Recorder"),
            [](const QString& name) -> std::unique_ptr<platform::Printer> {
                if (name == QStringLiteral("PDF"))
                    return std::make_unique<platform::PdfPrinter>(600);
                return std::make_unique<platform::RecordingPrinter>(name, QMarginsF(), 300);
            });
        platform::Printers::install(m_printers.get());
        m_form = std::make_unique<QWidget>();
        m_form->setObjectName(QStringLiteral("ShopForm"));
        m_form->setWindowTitle(QStringLiteral("Shop report"));
        m_form->resize(640, 900);
    }
    // A fresh form whose only printer is a PDF printer of `dpi`.
    void startAt(double dpi)
    {
        endHost();
        startHost();
        m_printers = std::make_unique<platform::Printers>(
            QStringList{QStringLiteral("PDF")}, QStringLiteral("PDF"),
            [dpi](const QString&) -> std::unique_ptr<platform::Printer> {
                return std::make_unique<platform::PdfPrinter>(dpi);
            });
        platform::Printers::install(m_printers.get());
    }
    void endHost()
    {
        JobWindows::Finir();
        m_form.reset();
        m_control = nullptr;
        platform::Printers::install(nullptr);
        SharedState::get().reset();
        m_events.clear();
    }

    template <class T> T* add(const char* name, int left, int top, int width, int height)
    {
        auto* control = new T(m_form.get());
        control->setObjectName(QString::fromLatin1(name));
        control->Move(left, top, width, height);
        return control;
    }

    // The whole form of text controls, and the control last.
    void buildTextForm()
    {
        add<platform::Label>("Title", 300, 200, 4000, 300)
            ->setCaption(QStringLiteral("Winter stock report"));
        add<platform::TextBox>("Shop", 300, 700, 3000, 315)
            ->setText(QStringLiteral("High Street branch"));
        auto* mask = add<platform::MaskEdBox>("Phone", 3600, 700, 2000, 315);
        mask->setFormat(QStringLiteral("(###) ###-####"));
        mask->setText(QStringLiteral("5550123456"));
        auto* combo = add<platform::ComboBox>("Season", 300, 1200, 2500, 315);
        combo->setEditable(true);
        combo->setText(QStringLiteral("Autumn range"));
        auto* hiddenLabel = add<platform::Label>("Secret", 300, 1600, 3000, 300);
        hiddenLabel->setCaption(QStringLiteral("Hidden margin note"));
        hiddenLabel->hide();
        auto* noPrint = add<platform::Label>("Internal", 3600, 1600, 3000, 300);
        noPrint->setCaption(QStringLiteral("Staff only remark"));
        noPrint->setTag(QStringLiteral("noprint"));
        m_lines = add<platform::MultiLineTextBox>("Lines", 300, 2100, 6000, 3000);
        QStringList lines;
        for (int n = 1; n <= 120; ++n)
            lines << lineText(n);
        m_lines->setText(lines.join(QLatin1Char('\n')));
        auto* after = add<platform::Label>("After", 300, 5400, 4000, 300);
        after->setCaption(QStringLiteral("End of stock lines"));
        auto* appendix = add<platform::Label>("Appendix", 300, 5900, 4000, 300);
        appendix->setCaption(QStringLiteral("Appendix begins here"));
        appendix->setTag(QStringLiteral("newpage"));
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(6500, 0, 800, 375);
    }

    // Every event the control raises, in order: "BeforePrint 1", "Page 2",
    // "AfterPrint".
    void recordEvents()
    {
        QObject::connect(m_control, &Zentrel::BeforePrint, m_control, [this](bool&, qint16& mode) {
            m_events << QStringLiteral("BeforePrint %1").arg(mode);
        });
        QObject::connect(m_control, &Zentrel::Page, m_control,
                         [this](qint16& page) { m_events << QStringLiteral("Page %1").arg(page); });
        QObject::connect(m_control, &Zentrel::AfterPrint, m_control,
                         [this] { m_events << QStringLiteral("AfterPrint"); });
    }

    platform::RecordingPrinter& recorder()
    {
        return static_cast<platform::RecordingPrinter&>(
            *m_printers->printer(QStringLiteral("Recorder")));
    }

    std::unique_ptr<platform::Printers> m_printers;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<QWidget> m_form;
    Zentrel* m_control = nullptr;
    platform::MultiLineTextBox* m_lines = nullptr;
    QStringList m_events;
};

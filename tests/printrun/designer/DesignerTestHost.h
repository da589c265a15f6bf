#pragma once

#include <QImage>
#include <QList>
#include <QStringList>
#include <optional>

#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/FontColourDialog.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintHost.h"

// The rest of the print-run program as the designer and the print engine
// see it: settings in memory, a field-data resolver that names what it was
// asked, and a record of what the designer told the main window.
class DesignerTestHost : public DesignerHost, public PrintHost
{
public:
    explicit DesignerTestHost(ticketbas& layouts) : m_layouts(layouts) {}

    QStringList Settings = QStringList(100, QString());
    QString DataPath;
    QString UseTicketLetter = QStringLiteral("A");
    QList<int> fineTunes;
    QStringList lettersShown;
    int endCalls = 0;
    QList<QPair<qint16, QString>> fieldDataCalls;

    QString setting(int index) const override
    {
        return index >= 0 && index < Settings.size() ? Settings.at(index) : QString();
    }
    QString dataPath() const override { return DataPath; }
    QString GetFieldData(qint16 RecNo, const QString& Keyword) override
    {
        fieldDataCalls.append({RecNo, Keyword});
        return QStringLiteral(" <%1 %2> ").arg(RecNo).arg(Keyword);
    }
    QString useTicketLetter() const override { return UseTicketLetter; }
    void setUseTicketLetter(const QString& letter) override { UseTicketLetter = letter; }
    void LoadFineTune(int TicketRef) override { fineTunes.append(TicketRef); }
    void showLetterInUse(const QString& letter) override { lettersShown.append(letter); }
    void endProgram() override { ++endCalls; }

    QString alignmentText(int) const override { return QStringLiteral("0"); }
    QString layoutLetter() const override { return UseTicketLetter; }
    const TicketFileRecord& ticketBuffer() const override { return m_layouts.TicketBuffer; }
    QString currencySymbol1() const override { return m_layouts.CurrencySymbol1; }
    QString currencySymbol2() const override { return m_layouts.CurrencySymbol2; }
    float exchangeRate() const override { return m_layouts.ExchangeRate; }
    QString printerForTicketType(int) const override { return QString(); }
    QImage loadLogo(const QString&) override { return QImage(); }
    bool addPrintedTickets(const QDate&, const QString&, int) override { return true; }

private:
    ticketbas& m_layouts;
};

// A font dialog answered by the test: each call takes the next queued
// choice (none queued: cancel) and records what it was shown.
class ScriptedFontDialog : public FontColourDialog
{
public:
    ScriptedFontDialog() { install(this); }
    ~ScriptedFontDialog() override { install(nullptr); }

    QList<std::optional<Choice>> answers;
    QList<Choice> shown;
    QList<int> flags;

    bool choose(Choice& choice, int dialogFlags) override
    {
        shown.append(choice);
        flags.append(dialogFlags);
        if (answers.isEmpty() || !answers.first()) {
            if (!answers.isEmpty())
                answers.removeFirst();
            return false;
        }
        choice = *answers.takeFirst();
        return true;
    }
};

#pragma once

#include <QString>
#include <array>
#include <optional>

class DesignerHost;
class PrintRoutines;
class ticketbas;

// The sample texts of the designer's live preview: what the print engine
// would print in each field of the layout being edited. The sample ticket is
// the first line of the waiting run, else of the newest reprint, else a
// built-in one; it is put into the engine's current-ticket field texts with
// the show/hide options of a print run applied.
class PreviewSample
{
public:
    struct Texts
    {
        // Captions of preview fields 0 to 8; none where the type leaves the
        // field's caption as it is.
        std::array<std::optional<QString>, 9> captions;
        // The code of the preview barcode; none where the type keeps the
        // sample code of its layout.
        std::optional<QString> barcode;
    };

    PreviewSample(PrintRoutines& engine, const DesignerHost& host, const ticketbas& layouts);

    // Fills the engine's field texts from the sample and returns the texts of
    // the layout's ticket type (TicketBuffer.TicketType).
    Texts build();

    // The price text of the sample (before the captions are built).
    QString priceText(int ticketType) const;

private:
    void loadSample();
    void applyOptions();
    bool isOn(int settingIndex) const;

    PrintRoutines& m_engine;
    const DesignerHost& m_host;
    const ticketbas& m_layouts;
};

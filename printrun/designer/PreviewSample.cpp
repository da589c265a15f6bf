#include "printrun/designer/PreviewSample.h"

#include <QRegularExpression>

#include "platform/files/FileNames.h"
#include "platform/files/TextFileReader.h"
#include "platform/runtime/Values.h"
#include "printrun/designer/DesignerHost.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/engine/SettingEntry.h"

using namespace platform;

namespace {

const QString Yes = QStringLiteral("YES");
const QString Pound = QStringLiteral("\u00A3");
const QString PriceMask = QStringLiteral("####.00");

using namespace SettingEntry;

// A price text formatted with the mask when it is a number as a whole; any
// other text stands as it is, as the mask cannot apply to it.
QString formattedPrice(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(Values::trimBlanks(text)).hasMatch())
        return text;
    return Values::formatNumber(Values::numericValue(text), PriceMask);
}

QString trimmed(const QString& text)
{
    return Values::trimBlanks(text);
}

} // namespace

PreviewSample::PreviewSample(PrintRoutines& engine, const DesignerHost& host,
                             const ticketbas& layouts)
    : m_engine(engine), m_host(host), m_layouts(layouts)
{
}

bool PreviewSample::isOn(int settingIndex) const
{
    return m_host.setting(settingIndex) == Yes;
}

void PreviewSample::loadSample()
{
    const QString dataPath = m_host.dataPath();
    for (const char* name : {"Ticket.run", "prevrun.001"}) {
        const QString path = dataPath + QString::fromLatin1(name);
        TextFileReader file;
        if (!FileNames::exists(path) || !file.open(path))
            continue;
        // The date code and reference of a print run are never asked for
        // here, so no run code is added to the description.
        m_engine.SetTicketTexts(file.atEnd() ? QString() : file.readItem(), QString());
        return;
    }
    const QString body = QStringLiteral("9184403");
    m_engine.TicketDpt = QStringLiteral("149");
    m_engine.TicketGrp = QStringLiteral("5");
    m_engine.TicketSupplier = QStringLiteral("Supplier");
    m_engine.TicketDescription = QStringLiteral("Description");
    m_engine.TicketSize = QStringLiteral("XL");
    m_engine.TicketFit.clear();
    m_engine.TicketSell = QStringLiteral("50.00");
    m_engine.TicketPrvSell = QStringLiteral("70.00");
    m_engine.TicketBarcode = body + QString::number(PrintRoutines::Ean8CheckDigit(body));
    m_engine.TicketHeader1 = QStringLiteral("Your");
    m_engine.TicketHeader2 = QStringLiteral("Name Here");
    m_engine.TicketCCode = QStringLiteral("CCode");
}

void PreviewSample::applyOptions()
{
    // As a print run applies them and in the same order; hiding the price
    // and the description as RRP come later, on the price text.
    if (isOn(CostCodeOnTicket))
        m_engine.TicketSupplier =
            trimmed(m_engine.TicketSupplier) + QLatin1Char(' ') + trimmed(m_engine.TicketCCode);
    if (isOn(HideSupplierCode))
        m_engine.TicketSupplier = m_engine.TicketSupplier.mid(5);
    if (isOn(HideSupplier))
        m_engine.TicketSupplier.clear();
    if (isOn(HideDescription))
        m_engine.TicketDescription.clear();
    if (isOn(HideGroupAndDepartment)) {
        m_engine.TicketGrp.clear();
        m_engine.TicketDpt.clear();
    }
}

QString PreviewSample::priceText(int ticketType) const
{
    if (isOn(HidePrice))
        return QString();
    const QString sell = m_engine.TicketSell;
    if (Values::numericValue(sell) >= 1) {
        const QString entry = trimmed(m_host.setting(CurrencySymbolEntry));
        QString symbol;
        if (!entry.isEmpty() && entry != Pound)
            symbol = entry;
        else
            symbol = ticketType == 2 ? m_layouts.CurrencySymbol1 : Pound;
        return symbol + formattedPrice(sell);
    }
    if (ticketType == 2)
        return m_layouts.CurrencySymbol1 + formattedPrice(sell);
    QString pence = trimmed(sell).right(2) + QLatin1Char('p');
    return pence.replace(QLatin1Char('.'), QLatin1Char(' '));
}

PreviewSample::Texts PreviewSample::build()
{
    loadSample();
    applyOptions();
    const int type = m_layouts.TicketBuffer.TicketType;
    const QString price = priceText(type);
    if (isOn(DescriptionAsRrp))
        m_engine.TicketDescription =
            QStringLiteral("RRP: ") + m_layouts.CurrencySymbol1 + m_engine.TicketPrvSell;

    const PrintRoutines& e = m_engine;
    const QString blank = QStringLiteral(" ");
    const QString sizeAndFit = trimmed(e.TicketSize) + blank + trimmed(e.TicketFit);
    const QString groupLine = trimmed(e.TicketDpt + blank + e.TicketGrp + blank + e.TicketBarcode);

    Texts t;
    switch (type) {
    case 0:
    case 2:
    case 3:
    case 5:
    case 6:
        if (type == 5 || type == 6) {
            t.captions[0] = e.TicketHeader1 + blank + e.TicketHeader2;
            t.captions[1] = QString();
        } else {
            t.captions[0] = e.TicketHeader1;
            t.captions[1] = e.TicketHeader2;
        }
        t.captions[2] = groupLine;
        t.captions[3] = trimmed(e.TicketSupplier);
        t.captions[4] = trimmed(e.TicketDescription);
        t.captions[5] =
            type == 6 ? sizeAndFit + QString(10, QLatin1Char(' ')) + trimmed(price) : sizeAndFit;
        t.captions[6] = price;
        t.captions[7] = e.TicketBarcode;
        if (type == 0 && isOn(DescriptionBelow))
            t.captions[7] = trimmed(e.TicketDescription) + blank + trimmed(e.TicketBarcode);
        if (type == 2) {
            const float sell = float(Values::numericValue(e.TicketSell));
            const std::optional<float> second =
                PrintRoutines::ConvertPrice(sell, m_layouts.ExchangeRate);
            // A product too large for single precision shows no amount.
            t.captions[8] = m_layouts.CurrencySymbol2 +
                            (second ? Values::formatNumber(*second, PriceMask) : QString());
        } else {
            t.captions[8] = price;
        }
        t.barcode = e.TicketBarcode;
        break;
    case 1:
    case 4:
        t.captions[0] = e.TicketHeader1 + blank + e.TicketHeader2;
        t.captions[1] = e.TicketSupplier + blank + e.TicketBarcode;
        t.captions[2] = e.TicketDescription + blank + e.TicketGrp + blank + e.TicketDpt;
        t.captions[3] = sizeAndFit + QStringLiteral("   ") + trimmed(price);
        break;
    default:
        break;
    }
    return t;
}

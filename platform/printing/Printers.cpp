#include "platform/printing/Printers.h"

#include <QCoreApplication>
#include <QPrinterInfo>

#include "platform/printing/PdfPrinter.h"
#include "platform/printing/SystemPrinter.h"

namespace platform {

namespace {

Printers* installed = nullptr;

std::unique_ptr<Printer> makeSystemOrPdf(const QString& deviceName)
{
    if (deviceName == PdfPrinter::DeviceNameText)
        return std::make_unique<PdfPrinter>();
    return std::make_unique<SystemPrinter>(deviceName);
}

} // namespace

Printers::Printers() : m_listed(false), m_factory(makeSystemOrPdf) {}

void Printers::list() const
{
    if (m_listed)
        return;
    m_listed = true;
    QStringList names = QPrinterInfo::availablePrinterNames();
    // A system printer called "PDF" would hide the built-in one; the
    // built-in one keeps the name and comes last.
    names.removeAll(PdfPrinter::DeviceNameText);
    names << PdfPrinter::DeviceNameText;
    QString defaultName = QPrinterInfo::defaultPrinterName();
    if (defaultName.isEmpty() || !names.contains(defaultName))
        defaultName = PdfPrinter::DeviceNameText;
    m_names = names;
    m_default = defaultName;
}

bool Printers::knownUnlisted(const QString& deviceName) const
{
    return !m_listed && deviceName == PdfPrinter::DeviceNameText;
}

Printers::Printers(const QStringList& deviceNames, const QString& defaultName, Factory factory)
    : m_names(deviceNames), m_factory(std::move(factory))
{
    if (m_names.isEmpty())
        m_names << PdfPrinter::DeviceNameText;
    m_default = m_names.contains(defaultName) ? defaultName : m_names.first();
    m_current = m_default;
}

Printers::~Printers() = default;

Printer* Printers::printer(const QString& deviceName)
{
    if (!knownUnlisted(deviceName)) {
        list();
        if (!m_names.contains(deviceName))
            return nullptr;
    }
    return &objectOf(deviceName);
}

Printer& Printers::objectOf(const QString& deviceName)
{
    auto found = m_printers.find(deviceName);
    if (found == m_printers.end()) {
        std::unique_ptr<Printer> made = m_factory ? m_factory(deviceName) : nullptr;
        // A device that cannot be made prints to PDF rather than nowhere.
        if (!made)
            made = std::make_unique<PdfPrinter>();
        found = m_printers.emplace(deviceName, std::move(made)).first;
    }
    return *found->second;
}

Printer& Printers::current()
{
    return objectOf(currentDeviceName());
}

bool Printers::select(const QString& deviceName)
{
    if (!knownUnlisted(deviceName)) {
        list();
        if (!m_names.contains(deviceName))
            return false;
    }
    m_current = deviceName;
    return true;
}

void Printers::remove(const QString& deviceName)
{
    list();
    m_names.removeAll(deviceName);
}

int Printers::Count() const
{
    list();
    return int(m_names.size());
}

const QStringList& Printers::deviceNames() const
{
    list();
    return m_names;
}

QString Printers::defaultDeviceName() const
{
    list();
    return m_default;
}

QString Printers::currentDeviceName() const
{
    if (m_current.isEmpty()) {
        list();
        m_current = m_default;
    }
    return m_current;
}

Printers& Printers::collection()
{
    if (installed)
        return *installed;
    // Made on first use and removed while the application still exists, as
    // the system's print support needs it.
    static Printers* system = nullptr;
    if (!system) {
        system = new Printers;
        qAddPostRoutine([] {
            delete system;
            system = nullptr;
        });
    }
    return *system;
}

void Printers::install(Printers* printers)
{
    installed = printers;
}

} // namespace platform

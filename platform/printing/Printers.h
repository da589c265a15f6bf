#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <memory>

#include "platform/printing/Printer.h"

namespace platform {

// The printers collection: the system's printers in the order the system
// lists them, then the built-in printer "PDF". One printer is current (the
// programs' "Printer"); it starts as the default printer, which is the
// system's default or, when the system has none, "PDF". Each printer object
// is made when first used and keeps its settings from then on. The system
// is asked for its printers when something first needs them: choosing and
// printing to "PDF" alone never waits for the print service.
class Printers
{
public:
    using Factory = std::function<std::unique_ptr<Printer>(const QString& deviceName)>;

    // The system's printers and "PDF".
    Printers();
    // Printers of the given device names, made by `factory` when first used
    // (tests make recording printers). An empty or unknown default name
    // makes the first name the default.
    Printers(const QStringList& deviceNames, const QString& defaultName, Factory factory);
    ~Printers();
    Printers(const Printers&) = delete;
    Printers& operator=(const Printers&) = delete;

    int Count() const;
    const QStringList& deviceNames() const;
    QString defaultDeviceName() const;
    QString currentDeviceName() const;
    // The current printer as chosen so far, to be put back later with
    // restoreChoice(); empty while it is still the default and the system
    // has not been asked which printer that is.
    QString currentChoice() const { return m_current; }
    void restoreChoice(const QString& choice) { m_current = choice; }

    // The printer of a device name (letter case counts); null when the
    // collection has none of that name.
    Printer* printer(const QString& deviceName);
    // The current printer (see remove()).
    Printer& current();
    // Makes the first printer whose device name equals `deviceName` exactly
    // the current one. False, and the current printer stays, when none has
    // that name.
    bool select(const QString& deviceName);
    // Takes a printer out of the collection, as when the system no longer
    // offers it. The current printer stays current when taken out, so a
    // document open on it can still be ended or abandoned, until another
    // is selected.
    void remove(const QString& deviceName);

    // The collection the programs use: the system's unless replaced.
    static Printers& collection();
    // Installs a replacement (not owned); nullptr restores the system's.
    static void install(Printers* printers);

private:
    Printer& objectOf(const QString& deviceName);
    // Asks the system for its printers, once.
    void list() const;
    // "PDF" while the system has not been asked: always in the collection.
    bool knownUnlisted(const QString& deviceName) const;

    mutable bool m_listed = true;
    mutable QStringList m_names;
    mutable QString m_default;
    mutable QString m_current;
    Factory m_factory;
    std::map<QString, std::unique_ptr<Printer>> m_printers;
};

} // namespace platform

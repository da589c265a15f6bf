#pragma once

#include <QString>
#include <QStringList>

// The host program's own printer class, which has nothing to do with the
// platform's printer object of the same name: it keeps a log of the labels
// the shop printed today.
class Printer
{
public:
    explicit Printer(const QString& shop);
    virtual ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    virtual void Print(const QString& text, bool endLine);
    void NewPage();
    bool EndDoc();
    QStringList log() const { return m_log; }

private:
    QString m_shop;
    QStringList m_log;
};

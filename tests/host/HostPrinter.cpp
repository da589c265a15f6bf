#include "HostPrinter.h"

Printer::Printer(const QString& shop) : m_shop(shop) {}

Printer::~Printer() = default;

void Printer::Print(const QString& text, bool endLine)
{
    m_log << m_shop + QStringLiteral(": ") + text + (endLine ? QStringLiteral("\n") : QString());
}

void Printer::NewPage()
{
    m_log << QStringLiteral("--");
}

bool Printer::EndDoc()
{
    m_log << QStringLiteral("end");
    return true;
}

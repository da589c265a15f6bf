#include "support/QStringPrinter.h"

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

QT_BEGIN_NAMESPACE
void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    // Printable bytes as they are, others as \xNN, so CR LF and padding show.
    *os << '"';
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\')
            *os << c;
        else {
            static const char* hex = "0123456789ABCDEF";
            *os << "\\x" << hex[c >> 4] << hex[c & 15];
        }
    }
    *os << '"';
}
QT_END_NAMESPACE

#include "HostClasses.h"

namespace {
int constructedCount = 0;
int valuesCalls = 0;
} // namespace

int HostCounts::constructed()
{
    return constructedCount;
}

void HostCounts::reset()
{
    constructedCount = 0;
    valuesCalls = 0;
}

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

#define HOST_CLASS_BODY(Name)                                                                      \
    Name::Name(QWidget* parent) : m_parent(parent)                                                 \
    {                                                                                              \
        ++constructedCount;                                                                        \
    }                                                                                              \
    Name::~Name() = default;

HOST_CLASS_BODY(PictureBox)
HOST_CLASS_BODY(Line)
HOST_CLASS_BODY(TextBox)
HOST_CLASS_BODY(Frame)
HOST_CLASS_BODY(Image)

#define HOST_WIDGET_BODY(Name, Base)                                                               \
    Name::Name(QWidget* parent) : Base(parent)                                                     \
    {                                                                                              \
        ++constructedCount;                                                                        \
    }                                                                                              \
    Name::~Name() = default;

HOST_WIDGET_BODY(Label, platform::Control<QLabel>)
HOST_WIDGET_BODY(Shape, platform::Control<QWidget>)

namespace shop {
HOST_WIDGET_BODY(Label, platform::Control<QLabel>)
} // namespace shop

QString Values::signBlank(double)
{
    ++valuesCalls;
    return QStringLiteral("host");
}

double Values::numericValue(const QString&)
{
    ++valuesCalls;
    return -1;
}

int Values::calls()
{
    return valuesCalls;
}

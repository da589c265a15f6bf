#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The host program's own classes, named like the platform's controls and
// declared with the same constructors, so that their symbols would meet the
// platform's if the two shared one name. They count every construction, so
// a test can tell that only the host's own code ever runs them.
namespace HostCounts {
int constructed();
void reset();
} // namespace HostCounts

// A log of the labels the shop printed today; nothing to do with the
// platform's printer object.
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

#define HOST_CLASS(Name)                                                                           \
    class Name                                                                                     \
    {                                                                                              \
    public:                                                                                        \
        explicit Name(QWidget* parent = nullptr);                                                  \
        virtual ~Name();                                                                           \
        QWidget* parent() const { return m_parent; }                                               \
                                                                                                   \
    private:                                                                                       \
        QWidget* m_parent;                                                                         \
    };

HOST_CLASS(PictureBox)
HOST_CLASS(Label)
HOST_CLASS(Line)
HOST_CLASS(TextBox)
HOST_CLASS(Frame)
HOST_CLASS(Image)
HOST_CLASS(Shape)

#undef HOST_CLASS

// The shop's own number texts: count their calls and answer "host".
class Values
{
public:
    static QString signBlank(double value);
    static double numericValue(const QString& text);
    static int calls();
};

#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/controls/Control.h"

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
HOST_CLASS(Line)
HOST_CLASS(TextBox)
HOST_CLASS(Frame)
HOST_CLASS(Image)

#undef HOST_CLASS

// The shop's own widgets on the platform's bare control base, named like
// the platform's kinds but of none of them: a job leaves them out.
class Label : public platform::Control<QLabel>
{
    Q_OBJECT
    CONTROL_PROPERTIES
public:
    explicit Label(QWidget* parent = nullptr);
    ~Label() override;
};

class Shape : public platform::Control<QWidget>
{
    Q_OBJECT
    CONTROL_PROPERTIES
public:
    explicit Shape(QWidget* parent = nullptr);
    ~Shape() override;
};

namespace shop {
class Label : public platform::Control<QLabel>
{
    Q_OBJECT
    CONTROL_PROPERTIES
public:
    explicit Label(QWidget* parent = nullptr);
    ~Label() override;
};
} // namespace shop

// The shop's own number texts: count their calls and answer "host".
class Values
{
public:
    static QString signBlank(double value);
    static double numericValue(const QString& text);
    static int calls();
};

#pragma once

#include <QWidget>

// A host form that is a multiple-document parent: it has the
// AutoShowChildren member such a form carries.
class MdiHostForm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool AutoShowChildren READ AutoShowChildren WRITE setAutoShowChildren)

public:
    bool AutoShowChildren() const { return m_autoShowChildren; }
    void setAutoShowChildren(bool on) { m_autoShowChildren = on; }

private:
    bool m_autoShowChildren = true;
};

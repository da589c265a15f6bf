#pragma once

#include <QListWidget>

#include "platform/controls/Control.h"

// A list of text entries, one of which may be selected.
class ListBox : public Control<QListWidget>
{
    Q_OBJECT
    CONTROL_PROPERTIES
    Q_PROPERTY(int ListCount READ ListCount)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(QString Text READ Text)

public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& item) { addItem(item); }
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    // The entry at `index`, empty for one the list does not have.
    Q_INVOKABLE QString List(int index) const;
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    // The selected entry's text, empty when none is selected.
    QString Text() const { return List(currentRow()); }
};

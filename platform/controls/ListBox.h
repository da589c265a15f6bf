#pragma once

#include <QListWidget>

#include "platform/controls/Control.h"

namespace platform {

// A list of text entries, one of which may be selected.
class ListBox : public Control<QListWidget>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ListBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(int ListCount READ ListCount)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(QString Text READ Text)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(int Columns READ Columns WRITE setColumns)
    Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)

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

    // 0 a plain list, 1 a check box before each entry.
    int Style() const { return m_style; }
    void setStyle(int style);
    // Columns the entries snake through; 0 one column that scrolls.
    int Columns() const { return m_columns; }
    void setColumns(int columns);
    bool RightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(bool on);
    // Whether entry `index` is selected (with Style 1: ticked).
    Q_INVOKABLE bool Selected(int index) const;
    Q_INVOKABLE void setSelected(int index, bool on);

private:
    int m_style = 0;
    int m_columns = 0;
    bool m_rightToLeft = false;
};

} // namespace platform

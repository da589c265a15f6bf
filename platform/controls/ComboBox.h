#pragma once

#include <QComboBox>

#include "platform/controls/Control.h"

namespace platform {

// A drop-down list that accepts typed text. Adding entries never changes
// the text shown. Change follows every change of the text (typed, picked or
// set from code); Click only when the user picks an entry.
class ComboBox : public Control<QComboBox>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ComboBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int ListCount READ ListCount)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)

public:
    explicit ComboBox(QWidget* parent = nullptr);

    QString Text() const { return currentText(); }
    void setText(const QString& text);

    void AddItem(const QString& item);
    // Removes every entry and empties the text.
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    // The index of the entry shown, -1 when the text is no entry.
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);

signals:
    void Change();
    void Click();
};

} // namespace platform

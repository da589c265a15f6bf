#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QVector>

#include "platform/controls/Control.h"

namespace platform {

// A text box of many lines (a text box with MultiLine set): its text wraps
// at the box's width, and it answers how many lines it shows and at which
// character each line starts, over the wrapped lines as the box lays them
// out. Its type name is "TextBox", as any text box's. Change follows every
// change of its text.
class MultiLineTextBox : public Control<QPlainTextEdit>
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TextBox")
    CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool MultiLine READ MultiLine)
    Q_PROPERTY(int LineCount READ LineCount)

public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // 0 none, 1 a single line around the box.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    bool MultiLine() const { return true; }

    // The number of lines shown (wrapped at the box's width), at least 1.
    int LineCount() const;
    // The character of Text at which line `line` (from 0) starts; -1 for a
    // line the box does not have.
    int LineIndex(int line) const;

signals:
    void Change();

private:
    // The lines' starts, laid out again only when the text, the wrapping
    // width or the font changed since the last layout: a printed box asks
    // for every line's start in turn.
    const QVector<int>& lineStarts() const;
    QVector<int> layOutLines(double width) const;

    struct Lines
    {
        bool valid = false;
        double width = 0;
        QFont font;
        QVector<int> starts;
    };
    mutable Lines m_lines;
    int m_alignment = 0;
    int m_borderStyle = 1;
};

} // namespace platform

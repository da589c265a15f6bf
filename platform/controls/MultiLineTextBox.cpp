#include "platform/controls/MultiLineTextBox.h"

#include <QTextDocument>
#include <QTextLayout>

namespace platform {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : Control<QPlainTextEdit>(parent)
{
    initColours(ColourValue::systemColour(ColourValue::WindowBackground),
                ColourValue::systemColour(ColourValue::WindowText));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { m_lines.valid = false; });
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::Change);
}

void MultiLineTextBox::setAlignment(int alignment)
{
    if (alignment < 0 || alignment > 2)
        return;
    m_alignment = alignment;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment == 1   ? Qt::AlignRight
                        : alignment == 2 ? Qt::AlignHCenter
                                         : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void MultiLineTextBox::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setFrameStyle(m_borderStyle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

const QVector<int>& MultiLineTextBox::lineStarts() const
{
    // The lines are laid out here rather than read from the editor, which
    // lays out only what it shows: the width is the box's inner width in
    // pixels less the document's margins, as the editor wraps.
    const int margins = frameWidth() * 2 + int(document()->documentMargin() * 2);
    const double width = qMax(1, Width() / TwipsPerPixel - margins);
    if (!m_lines.valid || m_lines.width != width || m_lines.font != font()) {
        m_lines.starts = layOutLines(width);
        m_lines.width = width;
        m_lines.font = font();
        m_lines.valid = true;
    }
    return m_lines.starts;
}

QVector<int> MultiLineTextBox::layOutLines(double width) const
{
    const QString text = Text();
    QVector<int> starts;
    int paragraphStart = 0;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        bool first = true;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            starts << paragraphStart + line.textStart();
            first = false;
        }
        layout.endLayout();
        if (first)
            starts << paragraphStart; // an empty paragraph is one empty line
        paragraphStart += int(paragraph.size()) + 1;
    }
    return starts;
}

int MultiLineTextBox::LineCount() const
{
    return int(lineStarts().size());
}

int MultiLineTextBox::LineIndex(int line) const
{
    const QVector<int>& starts = lineStarts();
    return line >= 0 && line < starts.size() ? starts[line] : -1;
}

} // namespace platform

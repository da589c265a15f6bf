#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Walks every control of a window (children and grandchildren, shown or
// not) and names each text that its control cannot show whole at the
// control's size and font: label captions (wrapped over the label's lines
// when it wraps), button captions, frame captions, drop-down entries,
// status-bar panel texts, list column headings and list cells.
QStringList textsThatDoNotFit(const QWidget* window);

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// One printable control of the host form, as the page composition lists
// it. Positions and sizes are twips of the host form.
struct PrintItem
{
    // The control's top on the form (its own top plus its containers'); for
    // a line the upper end. The list is ordered by it.
    qint32 Top = 0;
    // The right offset plus the control's left on the form (a line: its
    // containers' lefts only).
    qint32 Left = 0;
    // Distance down from the item before (its Top for the first item); the
    // composition places the item by it where nothing beside or above it
    // printed past its box.
    qint32 TopGap = 0;
    // Grids and list views: their height; shapes: minus theirs; lines:
    // minus the lower end; 0 for the rest.
    qint32 Height = 0;
    qint32 Width = 0;
    QString Name;
    // The control itself. It becomes null when the host deletes it during
    // the job; reading a member of it then fails like any failed read.
    QPointer<QWidget> Control;
    // "Down" when the control lies wholly below the grid-like control just
    // before it.
    QString Placement;
    // The control's type name when it was collected: a control deleted
    // since is still met as the kind it was.
    QString TypeName;
    // The control's box on the form, in the coordinates of Top: its height,
    // and its columns from Across to AcrossEnd.
    qint32 BoxHeight = 0;
    qint32 Across = 0;
    qint32 AcrossEnd = 0;
    // The height of its first line of text (its font's line), at least one
    // twip: a control in its columns that starts within it stands beside it.
    qint32 FirstLine = 1;
    // The outermost scroll area that holds it, if any, and that area's
    // view on the form: to what stands outside it, the area is one box.
    const QObject* Area = nullptr;
    qint32 AreaTop = 0;
    qint32 AreaBottom = 0;
    qint32 AreaAcross = 0;
    qint32 AreaAcrossEnd = 0;
};

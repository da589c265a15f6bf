#pragma once

#include <QString>
#include <QWidget>

#include "platform/controls/Label.h"

// A form of three pages: a label on the first, and two labels that each
// start a new page, at different heights so each page shows its label
// somewhere else.
namespace ThreePageForm {

inline const char* const Texts[] = {"First page of the report", "Second page of the report",
                                    "Third page of the report"};

inline void addTo(QWidget* form)
{
    const int tops[] = {300, 2400, 4500};
    for (int i = 0; i < 3; ++i) {
        auto* label = new platform::Label(form);
        label->setObjectName(QStringLiteral("Part%1").arg(i));
        label->Move(600, tops[i], 5000, 300);
        label->setCaption(QString::fromLatin1(Texts[i]));
        if (i > 0)
            label->setTag(QStringLiteral("newpage"));
    }
}

} // namespace ThreePageForm

#pragma once

#include <QString>
#include <QWidget>

namespace platform {

// Creates a control of a window with its object name and twips geometry.
template <class T>
T* placeControl(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    control->Move(left, top, width, height);
    return control;
}

// The object name of element index of a control array: "Combo1_4".
inline QString indexedName(const char* array, int index)
{
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(array)).arg(index);
}

} // namespace platform

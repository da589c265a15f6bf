#pragma once

#include <QString>

// What the store writes straight into the main window. The window
// implements it; tests can supply their own.
class StoreView
{
public:
    virtual ~StoreView() = default;
    // The data set's name in the "Data in use :" label.
    virtual void showDataInUse(const QString& name) = 0;
};

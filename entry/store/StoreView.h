#pragma once

#include <QString>

struct RecordListRow;

// What the store writes straight into the main window. The window
// implements it; tests can supply their own.
class StoreView
{
public:
    virtual ~StoreView() = default;
    // The data set's name in the "Data in use :" label.
    virtual void showDataInUse(const QString& name) = 0;
    // The records screen's list: emptied before a search, then one row per
    // record found. A view without that list ignores them.
    virtual void clearRecordList() {}
    virtual void addRecordListRow(const RecordListRow& /*row*/) {}
    // The search has added its last row.
    virtual void endRecordList() {}
};

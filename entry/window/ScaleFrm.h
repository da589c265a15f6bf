#pragma once

#include "entry/window/ListEditor.h"

// The size-scale editor: the scales of the data set in use in a list that
// is the working copy of the size-scale file, with add, edit and delete; a
// double-click hands a scale to the new-ticket screen's scale field.
class ScaleFrm : public ListEditor
{
    Q_OBJECT

public:
    explicit ScaleFrm(MainFrm& main);

    // Adds the scales of the size-scale file to the list.
    void LoadScales();
    // Rewrites the size-scale file from the list. False when it could not be
    // written: the failure has been shown and the list reloaded from the
    // file, so that it shows what is stored.
    bool SaveScales();

    void ListView1_DblClick() override;

private:
    void loadEntries() override { LoadScales(); }
    void addEntry() override { addScale(); }
    void editEntry() override { editScale(); }
    void deleteEntry() override { deleteScale(); }

    void addScale();
    void editScale();
    void deleteScale();
    // The main window's scale field gets the editor's list and the name.
    void closingSteps(const QString& name);
    QString sizePrompt(int position, const QString& limitLine, const QStringList& sizes) const;
};

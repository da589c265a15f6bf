#pragma once

#include "entry/window/ListEditor.h"

// The colour editor: the colours of the data set in use in a list that is
// the working copy of the colour file, with add, edit and delete; a
// double-click hands a colour ID to the new-ticket screen's colour field.
class ColourFrm : public ListEditor
{
    Q_OBJECT

public:
    explicit ColourFrm(MainFrm& main);

    // Adds the colours of the colour file to the list.
    void LoadColours();
    // Rewrites the colour file from the list. False when it could not be
    // written: the failure has been shown and the list reloaded from the
    // file, so that it shows what is stored.
    bool SaveColours();

    void ListView1_DblClick() override;

private:
    void loadEntries() override { LoadColours(); }
    void addEntry() override { addColour(); }
    void editEntry() override { editColour(); }
    void deleteEntry() override { deleteColour(); }

    void addColour();
    void editColour();
    void deleteColour();
    // The main window's colour field gets the editor's list and the ID.
    void closingSteps(const QString& id);
};

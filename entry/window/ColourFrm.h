#pragma once

#include <QWidget>
#include <array>

class CommandButton;
class Label;
class ListView;
class MainFrm;

// The colour editor: the colours of the data set in use in a list that is
// the working copy of the colour file, with add, edit and delete. Opened
// from the Edit menu it only edits; opened from the new-ticket screen's
// colour button (EditorFromMenu 0) a double-click hands the colour ID back
// to that field. A modeless window; Unloaded tells the main window that it
// has gone.
class ColourFrm : public QWidget
{
    Q_OBJECT

public:
    explicit ColourFrm(MainFrm& main);

    // Fills the list from the file and shows the count.
    void Form_Load();
    // Adds the colours of the colour file to the list.
    void LoadColours();
    // Rewrites the colour file from the list. False when it could not be
    // written: the failure has been shown and the list reloaded from the
    // file, so that it shows what is stored.
    bool SaveColours();
    // Empties the list and loads it again, from the file of the data set
    // now in use.
    void Reload();

    // 0 add, 1 edit, 2 delete.
    void Command1_Click(int index);
    void ListView1_DblClick();
    // Closes the window; it is not shown again.
    void Unload();

    ListView* ListView1 = nullptr;
    std::array<CommandButton*, 3> Command1{};
    std::array<Label*, 2> Label1{};

signals:
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addColour();
    void editColour();
    void deleteColour();
    // The main window's colour field gets the editor's list and the ID.
    void closingSteps(const QString& id);
    void showCount();

    MainFrm& m_main;
    bool m_unloaded = false;
    bool m_fileUnreadable = false;
};

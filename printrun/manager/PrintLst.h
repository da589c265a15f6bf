#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

#include "printrun/manager/RunFileEditor.h"

class QAction;
class QMenu;
namespace platform {
class ListView;
class StatusBar;
} // namespace platform

// The run editor: a ticket-run file (the waiting or held run, or a reprint
// file) shown one ticket per row, whose rows the user deletes and sorts and
// then writes back over the file. A modeless window; the program keeps one instance
// (load()/loaded()), which is deleted when it closes and loaded afresh by
// the next open. Edits live only in the list until Save.
class PrintLst : public QMainWindow
{
    Q_OBJECT

public:
    explicit PrintLst(QWidget* parent = nullptr);
    ~PrintLst() override;

    // The program's single instance: loaded() is null while no run editor
    // is open; load() creates it when needed (it deletes itself on close).
    static PrintLst* loaded();
    static PrintLst& load();
    // Loads the single instance when needed and opens it on FName. A window
    // loaded here runs refresh after each save and when it closes, as long
    // as context lives: the main window's counts and reprint list follow
    // the file.
    static PrintLst& Open(const QString& FName, QObject* context,
                          const std::function<void()>& refresh);

    // Shows the window on a run file; again while open, it reloads the list
    // from the new path.
    void OpenFile(const QString& FName);
    // Fills the list from a run file; a missing file leaves it empty.
    void LoadList(const QString& path);
    // Writes the list over a run file in display order; an empty list
    // deletes the file. False, with the failure shown, when the file could
    // not be written (the old file is then unchanged).
    bool SaveList(const QString& path);

    void Form_Load();
    void Form_Resize();
    void Menu_File_Reload_Click();
    void Menu_File_Save_Click();
    void Menu_File_Exit_Click();
    void Menu_Delete_Delete1toN_Click();
    void Menu_Delete_DeleteSelected_Click();
    void ListView1_ColumnClick(int columnIndex);
    // Writes the number of selected rows into the fourth panel; follows a
    // click, a key press or a mouse move over the list.
    void ListView1_SelectedCount();
    // Closes the window; Unloaded follows.
    void Unload();

    QString CurrentRunFile;

    platform::ListView* ListView1 = nullptr;
    platform::StatusBar* StatusBar1 = nullptr;
    QMenu* Menu_File = nullptr;
    QAction* Menu_File_Reload = nullptr;
    QAction* Menu_File_Save = nullptr;
    QAction* Menu_File_Exit = nullptr;
    QMenu* Menu_Delete = nullptr;
    QAction* Menu_Delete_Delete1toN = nullptr;
    QAction* Menu_Delete_DeleteSelected = nullptr;

signals:
    // The window has closed: the main window rebuilds its reprint list.
    void Unloaded();
    // A run file was rewritten (or deleted, when the list was empty): the
    // main window refreshes its waiting and reprint counts.
    void ListSaved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void showRowCount();
    // Whether the list may be written over CurrentRunFile: yes when the file
    // is as it was loaded or last saved; otherwise (printed, deleted or
    // rewritten meanwhile) the user is asked first.
    bool confirmWriteOverChange();
    // Whether the file is the run the print-run program holds for printing.
    bool isHeldRun() const;

    // The run file as the list was loaded from it or last saved to it.
    RunFileEditor::FileState m_fileState;
    QWidget* m_listViewport = nullptr;
    bool m_unloaded = false;
};

#pragma once

#include <QString>
#include <QWidget>
#include <array>

class MainFrm;
namespace platform {
class ComboBox;
class CommandButton;
class Label;
class ListView;
} // namespace platform

// The window the size-scale and colour editors share: a list that is the
// working copy of one file of the data set in use, add, edit and delete
// buttons, and the count. Opened from the Edit menu it only edits; opened
// from the new-ticket screen's button (EditorFromMenu 0) a double-click hands
// the entry back to that field. A modeless window; Unloaded tells the main
// window that it has gone.
class ListEditor : public QWidget
{
    Q_OBJECT

public:
    // Fills the list from the file and shows the count.
    void Form_Load();
    // Empties the list and loads it again, from the file of the data set
    // now in use.
    void Reload();
    // 0 add, 1 edit, 2 delete.
    void Command1_Click(int index);
    virtual void ListView1_DblClick() = 0;
    // Closes the window; it is not shown again.
    void Unload();

    platform::ListView* ListView1 = nullptr;
    std::array<platform::CommandButton*, 3> Command1{};
    std::array<platform::Label*, 2> Label1{};

signals:
    void Unloaded();

protected:
    // What differs between the editors' windows; sizes in twips.
    struct Look
    {
        QString objectName;
        QString title;
        int width;
        std::array<QString, 3> buttonCaptions;
        int buttonPitch;
        int buttonWidth;
        QString countCaption;
        // "size scales", "colours": the entries as the messages name them.
        QString entries;
    };

    ListEditor(MainFrm& main, const Look& look);
    void closeEvent(QCloseEvent* event) override;

    virtual void loadEntries() = 0;
    virtual void addEntry() = 0;
    virtual void editEntry() = 0;
    virtual void deleteEntry() = 0;

    // After reading the file: a file that exists but cannot be read must
    // not be replaced by the (empty) list, as that would lose every entry
    // in it. Says so when !ok.
    void noteFileRead(bool ok, const QString& fileName);
    // Before writing: false, after saying why, while the file could not be
    // read.
    bool mayWrite();
    // After writing: true when it worked; otherwise says why and reloads the
    // list from the file, so that it shows what is stored.
    bool written(bool ok, const QString& error);
    // Whether an entry's text (trimmed, upper-cased) equals `key`.
    bool isListed(const QString& key) const;
    // The main window's field gets the list's entries and `text`.
    void fillField(platform::ComboBox* field, const QString& text, int width);
    // The line a double-click hands to the field: the selected line when the
    // editor was opened from the new-ticket screen, else 0.
    int lineToHandBack() const;
    void showCount();

    MainFrm& m_main;

private:
    QString m_entries;
    bool m_unloaded = false;
    bool m_fileUnreadable = false;
};

#pragma once

#include <QString>
#include <QWidget>

class MainFrm;
namespace platform {
class ListView;
} // namespace platform

// The print-file viewer: a small window with a compact copy of the main
// window's print-file list and a totals row, so that the print file can be
// watched from any screen. It only displays. Its Tag reads "ON" while it is
// open (set by whoever shows it) and "OFF" once it is closed; the print
// file is refreshed into it only while it reads "ON".
class PrintFileView : public QWidget
{
    Q_OBJECT

public:
    explicit PrintFileView(MainFrm& main);

    QString Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // Rebuilds the list and the caption from the main window's print-file
    // list, in its display order, and selects the totals row.
    void UpdatePFV();
    // Keeps the list filling the window.
    void Form_Resize();
    // Closing the window: Tag "OFF". The window stays loaded, hidden.
    void Form_Unload();

    platform::ListView* PFileList = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MainFrm& m_main;
    QString m_tag;
};

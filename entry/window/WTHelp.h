#pragma once

#include <QString>
#include <QWidget>
#include <array>

class MainFrm;
class QPlainTextEdit;
namespace platform {
class CommandButton;
class Frame;
class Label;
class Line;
class PictureBox;
class Shape;
} // namespace platform

// The walkthrough help: leads the user step by step through three topics
// of the main window (new tickets, looking tickets up, the print file). A
// step shows a title and a text and colours the main-window controls it
// talks about; the colours are put back whenever the step changes, the user
// goes back to the topic menu or the window closes. The main window's
// "Help" button carries "HelpON" in its Tag while this window is open. A
// modeless window; Unloaded tells the main window that it has gone.
class WTHelp : public QWidget
{
    Q_OBJECT

public:
    enum Topic
    {
        NewTickets = 0,
        LookUp = 1,
        PrintFile = 2
    };
    static constexpr int TopicCount = 3;

    // Loading the window shows the topic menu.
    explicit WTHelp(MainFrm& main);

    void HelpMenu();
    void CloseFrames();
    void RestoreColours();
    // A topic picture was clicked.
    void Image1_Click(int index);
    // 0 "Next Step", 1 "Close Help", 2 "Prev Step", 3 "Menu".
    void Command1_Click(int index);
    // Closes the window: the main window's colours and Help button are put
    // back. It is not shown again.
    void Unload();

    // The step being shown, 1 for a topic's first step.
    int stepNumber() const { return m_step; }
    // The number of steps of a topic.
    static int lastStep(int topic);
    // The step text exactly as set, with its CR LF line breaks.
    QString stepText() const { return m_stepText; }

    platform::Label* Label1 = nullptr;
    platform::Shape* Shape2 = nullptr;
    platform::Frame* Frame1 = nullptr;
    platform::Label* Label2 = nullptr;
    std::array<platform::PictureBox*, TopicCount> Image1{};
    platform::Frame* Frame2 = nullptr;
    platform::Label* Label3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    std::array<platform::CommandButton*, 4> Command1{};
    platform::Shape* Shape1 = nullptr;
    platform::Line* Line1 = nullptr;

signals:
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows step number step of topic: the step page, its marked controls,
    // title and text. A step the topic does not have shows nothing.
    void showStep(int topic, int step);
    void setBand(qint32 colour);

    MainFrm& m_main;
    int m_step = 0;
    QString m_stepText;
    bool m_unloaded = false;
};

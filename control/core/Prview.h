#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "control/core/JobWindows.h"
#include "platform/controls/Control.h"
#include "platform/controls/PictureBox.h"

class QScrollBar;
namespace platform {
class ComboBox;
class CommandButton;
class DeviceContext;
} // namespace platform

// The page surface of the preview window: a picture box that shows what is
// copied onto its device context. The context is as large as the view; it
// is made again when the view is given another size (the contexts it had
// stay alive with the view, since pages keep pointing at the one they were
// made on).
class PreviewView : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit PreviewView(QWidget* parent = nullptr);
    ~PreviewView() override;

    // Width and height in pixels.
    void setViewSize(int width, int height);
    platform::DeviceContext* dc() const { return m_dc.get(); }
    // Empties the surface in its background colour.
    void Cls();
    // What the surface shows.
    QImage surface() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<platform::DeviceContext> m_dc;
    std::vector<std::unique_ptr<platform::DeviceContext>> m_retired;
};

// The visual part of the preview window: its controls at their design
// values (twips; Back and View work in pixels). Made by Prview when it is
// loaded, deleted when it is unloaded.
class PrviewForm : public platform::Control<QWidget>
{
    Q_OBJECT

public:
    // The client area the window is designed at.
    static constexpr int DesignWidth = 9600;
    static constexpr int DesignHeight = 7200;
    static constexpr qint32 DesignBackColor = 0xC0C0C0;

    explicit PrviewForm(QWidget* parent = nullptr);

    platform::CommandButton* Printbt = nullptr;
    platform::CommandButton* Up = nullptr;
    platform::CommandButton* Down = nullptr;
    platform::ComboBox* Comb = nullptr;
    platform::CommandButton* Closebtn = nullptr;
    platform::PictureBox* Back = nullptr;
    PreviewView* View = nullptr;
    QScrollBar* VScrl = nullptr;
    QScrollBar* HScrl = nullptr;
    platform::PictureBox* Corner = nullptr;
    // 11 x 11 pictures of a ticked and an empty box, never shown.
    platform::PictureBox* Check = nullptr;
    platform::PictureBox* Uncheck = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The preview window: one object for the whole library, made at first use
// and kept. Its visual part (PrviewForm) is loaded when first touched and
// unloaded by Close; the next touch loads it again from its design values.
// ScreenFactor and ViewReady survive an unload.
//
// The pages shown are SharedState's PreviewPages; CurrentPage is the index
// of the page shown. The page at index i carries the number
// PageNumberOffset + i - 1, and the last page is number PageCount + 1.
class Prview
{
public:
    static Prview& get();
    // Unloads the visual part and puts the window's own variables back as
    // a new process has them (tests).
    void reset();

    // 12000 / Screen.Width in twips, set at each load during a job.
    double ScreenFactor = 1.0;
    // Pages are drawn only while this is set (after a load during a job,
    // until Close).
    bool ViewReady = false;

    // The visual part, loaded on first touch.
    PrviewForm& form();
    bool isLoaded() const { return !m_form.isNull(); }

    // Copies the current page onto the view; nothing when the view is not
    // ready or there is no page at that index.
    void DrawIntoScrn();
    // Closes the preview as Close does, without letting pending events run
    // first: frees the preview pages, closes the progress window and
    // unloads the visual part.
    void Finir();
    // Fits the frame, scroll bars and paging buttons to the page size and
    // the page shown.
    void ArrangeView();

    // Fills the window with a composed preview as `setup` says, copies
    // page index 0 onto the view and shows the window without waiting: over
    // the host form when that is in its normal state, else in the host
    // form's state.
    void ShowPreview(const PreviewWindowSetup& setup);

    // The user's actions, as the buttons and the list run them.
    void NextPage();
    void PreviousPage();
    void PagePicked(int listIndex);
    void Close();
    void Print();

private:
    Prview() = default;
    void load();
    void resize();
    void close(bool yield);
    bool laterPageExists() const;
    QString pageNumberText() const;

    QPointer<PrviewForm> m_form;
    bool m_closing = false;
    bool m_arrangeQueued = false;
    // What the last arrangement was made for: page size, frame size, page
    // count and page shown.
    struct Arranged
    {
        QSize view;
        QSize back;
        int pageCount = -1;
        int currentPage = -1;
        bool operator==(const Arranged&) const = default;
    };
    Arranged arrangedFor() const;
    Arranged m_arranged;

    friend class PrviewForm;
};

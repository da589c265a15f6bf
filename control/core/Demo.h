#pragma once

#include <QDialog>
#include <QFont>
#include <memory>

namespace platform {
class CommandButton;
class DeviceContext;
class Label;
class Line;
class PictureBox;
class Shape;
class TextBox;
} // namespace platform

// The control's about box: the control's title, a text line, two pictures,
// a link to the maker's web page and a mail address, a close button and a
// close mark. Besides, its hidden text box ClearFont carries the reference
// font of print jobs, and its surface serves the text renderers as a
// measuring device; for those uses it is made without being shown.
//
// One box at a time, made at first use (instance()); About shows it
// modally and then releases it, so the next use makes it afresh.
class Demo : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 4770;
    static constexpr int DesignHeight = 2025;
    // The maker's page and mail address (our own placeholders).
    static const QString WebAddress;
    static const QString MailAddress;

    static Demo& instance();
    static void release();
    // Shows the box modally; returns when it is closed, then releases it.
    static void About();

    // The font print jobs start with (ClearFont's, which is the window's).
    static QFont referenceFont();
    // A screen device for measuring text, with the window's font selected.
    static platform::DeviceContext& surface();

    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Mailto = nullptr;
    platform::Label* lblLink = nullptr;
    platform::CommandButton* Command1 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::PictureBox* Image1 = nullptr;
    platform::PictureBox* Image2 = nullptr;
    platform::Line* Line1 = nullptr;
    platform::Line* Line2 = nullptr;
    platform::Shape* Shape1 = nullptr;
    platform::TextBox* ClearFont = nullptr;
    platform::TextBox* RefText = nullptr;

private:
    Demo();
    ~Demo() override;
    // Hands the target to the desktop's shell (a page or a new mail).
    static void OpenLink(const QString& target);

    std::unique_ptr<platform::DeviceContext> m_surface;
};

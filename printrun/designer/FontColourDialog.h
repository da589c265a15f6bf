#pragma once

#include <QString>

// The font dialog of the layout designer: face, size, bold, italic, and the
// effects section with underline, strikeout and colour. Behind an interface
// so that tests answer it; the real dialog is QtFontColourDialog.
class FontColourDialog
{
public:
    // Screen and printer fonts (3) plus the effects section (256).
    static constexpr int DefaultFlags = 259;

    struct Choice
    {
        QString name;
        double size = 8;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikethru = false;
        qint32 colour = 0; // red + 256 x green + 65536 x blue
    };

    virtual ~FontColourDialog() = default;

    // Shows the dialog starting from `choice`. True, with `choice` updated,
    // when the user confirms; false, `choice` untouched, on cancel.
    virtual bool choose(Choice& choice, int flags) = 0;

    // The instance the designer uses; the real dialog unless replaced.
    static FontColourDialog& current();
    // Installs a replacement (not owned); nullptr restores the real dialog.
    static void install(FontColourDialog* dialog);
};

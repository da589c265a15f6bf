#pragma once

#include <QIcon>
#include <QImage>

// The ticket-entry program's own pictures, drawn in code: the toolbar
// icons, the maker's logo and the information screen's picture.
class Artwork
{
public:
    static QIcon homeIcon();
    static QIcon newTicketsIcon();
    static QIcon lookUpIcon();
    static QIcon printFileIcon();
    static QIcon recordsIcon();
    static QIcon helpIcon();
    // The maker's logo, a swing tag with the maker's name, size x size.
    static QImage logo(int size);
    // A row of priced swing tags for the information screen.
    static QImage ticketsPicture(int width, int height);
};

#pragma once

#include <QIcon>
#include <QImage>

// The pictures of the layout designer: the three icons of the ticket-type
// list and the ticket picture that opens the type picker.
namespace TicketTypePictures {

// 1 swing tag, 2 adhesive label, 3 dual-currency swing tag.
QIcon icon(int picture);
// The picture behind "Double Click to select Ticket Type", `size` pixels.
QImage ticketPicture(const QSize& size);

} // namespace TicketTypePictures

// The alignment offsets: the four active boxes of the layout in use, which
// the print engine reads, and the Alignment panel that edits any letter's.
#include "printrun/manager/PrintMgr.h"

#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

bool isLayoutNumber(int ticketRef)
{
    return ticketRef >= 1 && ticketRef <= 10;
}

// Value k (0 to 3) of a layout, 0 past the values a file holds.
double valueOf(const AlignmentFile::Offsets& values, int ticketRef, int k)
{
    const int n = 4 * ticketRef - 3 + k;
    return n >= 1 && n <= AlignmentFile::ValueCount ? values[n] : 0.0;
}

int layoutNumberOf(const QString& letter)
{
    return letter.isEmpty() ? 0 : letter.at(0).unicode() - 64;
}

} // namespace

void PrintMgr::LoadFineTune(int TicketRef)
{
    QString error;
    if (!AlignmentFile::exists()) {
        AlignmentValues.fill(0);
        if (!AlignmentFile::write(AlignmentValues, &error))
            showFileError(error);
        for (int k = 0; k < 4; ++k) {
            Text3[k]->setText(QStringLiteral("0"));
            Text1[k]->setText(Text3[k]->text());
        }
    } else {
        int itemCount = 0;
        if (!AlignmentFile::read(AlignmentValues, &itemCount, &error))
            showFileError(error);
        if (itemCount == 4) {
            // A file of a single set of offsets serves every letter.
            AlignmentValues = AlignmentFile::repeatedSet(AlignmentValues);
            if (!AlignmentFile::write(AlignmentValues, &error))
                showFileError(error);
            for (int k = 0; k < 4; ++k)
                Text3[k]->setText(Values::generalNumber(AlignmentValues[k + 1]));
        } else {
            for (int k = 0; k < 4; ++k)
                Text3[k]->setText(Values::generalNumber(valueOf(AlignmentValues, TicketRef, k)));
        }
        for (int k = 0; k < 4; ++k)
            Text1[k]->setText(Text3[k]->text());
    }
    if (isLayoutNumber(TicketRef))
        ListView1->selectItem(TicketRef);
}

void PrintMgr::ShowFineTune(int TicketRef)
{
    if (!isLayoutNumber(TicketRef) || !AlignmentFile::exists())
        return;
    QString error;
    if (!AlignmentFile::read(AlignmentValues, nullptr, &error)) {
        showFileError(error);
        return;
    }
    for (int k = 0; k < 4; ++k)
        Text1[k]->setText(Values::generalNumber(valueOf(AlignmentValues, TicketRef, k)));
}

void PrintMgr::SaveFineTune(int TicketRef)
{
    if (!isLayoutNumber(TicketRef) || !AlignmentFile::exists())
        return;
    QString error;
    // The other letters' offsets come from the file; one that cannot be read
    // is not overwritten.
    if (!AlignmentFile::read(AlignmentValues, nullptr, &error)) {
        showFileError(error);
        return;
    }
    for (int k = 0; k < 4; ++k)
        AlignmentValues[4 * TicketRef - 3 + k] = Values::numericValue(Text1[k]->text());
    if (!AlignmentFile::write(AlignmentValues, &error))
        showFileError(error);
}

void PrintMgr::Command3_Click(int index)
{
    if (index != 0 || ListView1->selectedIndex() == 0)
        return;
    const QString letter = ListView1->itemText(ListView1->selectedIndex());
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Update Ticket '") + letter + QStringLiteral("' with new settings?"),
        QStringLiteral("Change Alignment"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    SaveFineTune(layoutNumberOf(letter));
    LoadFineTune(layoutNumberOf(letter));
}

void PrintMgr::ListView1_ItemClick()
{
    if (ListView1->selectedIndex() == 0)
        return;
    ShowFineTune(layoutNumberOf(ListView1->itemText(ListView1->selectedIndex())));
}

#include "entry/window/WTHelp.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <vector>

#include "entry/window/Artwork.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

constexpr qint32 rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

const qint32 MenuBand = rgb(192, 192, 192);

const QString Br = QStringLiteral("\r\n");
// A paragraph is followed by an empty line.
const QString Gap = Br + Br;

// The main-window controls a step colours, by their indexes.
struct Marks
{
    std::vector<int> label1;
    std::vector<int> label3;
    std::vector<int> combo1;
    std::vector<int> text1;
    std::vector<int> text2;
};

struct StepPage
{
    const char* title;
    Marks marks;
    QString text;
};

struct TopicPage
{
    const char* name;
    qint32 band;
    qint32 captionColour;
    qint32 fieldColour;
    std::vector<StepPage> steps;
};

std::vector<int> range(int first, int last)
{
    std::vector<int> indexes;
    for (int index = first; index <= last; ++index)
        indexes.push_back(index);
    return indexes;
}

const std::vector<TopicPage>& topics()
{
    static const std::vector<TopicPage> pages{
        {"New Tickets",
         rgb(128, 128, 255),
         rgb(128, 128, 255),
         rgb(192, 192, 255),
         {
             {"New tickets - Step 1 /Info",
              {},
              QStringLiteral("New tickets are for tickets that have never been made before. "
                             "If you want more of a ticket you have made already, use the "
                             "'Look Up' screen instead.") +
                  Gap +
                  QStringLiteral("From this screen you can also create and change colours and "
                                 "size scales, and the dropdown arrow on each field calls up "
                                 "the history of what was entered there.") +
                  Gap + QStringLiteral("{End of Step 1}")},
             {"New tickets - Step 2 /Inputing Ticket 'Title",
              {{0, 1}, {}, {0, 1}, {}, {}},
              QStringLiteral("Title lines. The two title lines, highlighted in blue, take your "
                             "company name or the like. The Font/Style and colour of each line "
                             "can be changed. Each line is limited to 16 characters.") +
                  Gap + QStringLiteral("{End of Step 2}")},
             {"New tickets - Step 3 /Inputing Ticket 'Supplier",
              {{2}, {}, {2}, {}, {}},
              QStringLiteral("Supplier. Here you enter the supplier name. This field is limited "
                             "to 15 characters.") +
                  Gap + Gap + QStringLiteral("{End of Step 3}")},
             {"New tickets - Step 4 /Inputing Ticket 'Description",
              {{3}, {}, {3}, {}, {}},
              QStringLiteral("Description. Here you enter the description. This field is "
                             "limited to 12 characters. The colour you choose will be "
                             "displayed on the ticket infront of the description.") +
                  Gap + Gap + QStringLiteral("{End of Step 4}")},
             {"New tickets - Step 5 /Inputing Ticket 'Colour",
              {{4}, {}, {4}, {}, {}},
              QStringLiteral("Colour. Here you choose the colour from the colours already set "
                             "up. The button to the right of the box lets you add or change "
                             "colours. The colour will be printed on the ticket in front of "
                             "the description.") +
                  Gap + QStringLiteral("{End of Step 5}")},
             {"New tickets - Step 6 /Inputing Ticket 'Fit",
              {{5}, {}, {5}, {}, {}},
              QStringLiteral("Fit. Here you enter the Fit. The fit you choose will be displayed "
                             "on the ticket after the size.") +
                  Gap + QStringLiteral("{End of Step 6}")},
             {"New tickets - Step 7 /Inputing Ticket 'Size",
              {{6}, {}, {6}, {}, {}},
              QStringLiteral("Size scale. Here you choose the size scale from the scales "
                             "already set up. The button to the right of the box lets you add "
                             "or change size scales. The size will be printed on the ticket in "
                             "front of the fit, and its Font/Style and colour can be changed. "
                             "The size scale you choose is shown at the bottom of the window.") +
                  Gap + QStringLiteral("{End of Step 7}")},
             {"New tickets - Step 8 /Inputing Ticket 'Price",
              {{7}, {}, {}, {0}, {}},
              QStringLiteral("Price. Here you select the price to be displayed on the ticket. "
                             "The Font/Style and colour can be changed for this field.") +
                  Gap + QStringLiteral("{End of Step 8}")},
             {"New tickets - Step 9 /Inputing Ticket 'Barcode",
              {{8}, {}, {}, {1}, {}},
              QStringLiteral("The barcode is automaticaly produced for the ticket.") + Gap +
                  QStringLiteral(" The format of the barcode digit is...") + Gap +
                  QStringLiteral("9, Record number, Size number, Check Digit") + Br +
                  QStringLiteral("Eg. 90012037 is 9, record number 0012, size number 03 (the "
                                 "second size of the scale) and check digit 7.") +
                  Gap + QStringLiteral("{End of Step 9}")},
             {"New tickets - Step 10 /Inputing Ticket 'Qty",
              {{}, range(0, 6), {}, {}, range(0, 6)},
              QStringLiteral("Ticket Quantitys. Here enter in the quantity of tickets you want "
                             "to produce for each size scale. The size scale being displayed "
                             "was picked earlier in step 7.") +
                  Gap + QStringLiteral("{End of Step 10}")},
             {"New tickets - Step 11 /Inputing Ticket 'Accept",
              {},
              QStringLiteral("Once the quantities are entered, check the fields and the ticket "
                             "preview, then press Accept. When a new ticket is made, disk icons "
                             "flash briefly around the ticket preview. The 'Ticket print file' "
                             "button shows the tickets waiting to be printed.") +
                  Gap + QStringLiteral("{End of 'Adding Tickets' Help }")},
         }},
        {"Look Up",
         rgb(255, 128, 128),
         rgb(255, 0, 0),
         rgb(255, 192, 192),
         {
             {"Look Up - Step 1 /Info",
              {},
              QStringLiteral("This is where you look up a ticket record that was used before. "
                             "Every ticket you enter stays on record, so the same ticket can be "
                             "produced again and again.") +
                  Gap + Gap + QStringLiteral("{End of Step 1}")},
             {"Look Up - Step 2 /Searching for tickets.",
              {{22}, {}, {}, {3}, {}},
              QStringLiteral("The first way to find a ticket is to enter its barcode number or "
                             "its record number into the Record No. box, highlighted in red.") +
                  Gap + Gap + QStringLiteral("{End of Step 2}")},
             {"Look Up - Step 3 /Searching for tickets.",
              {range(14, 21), {}, range(7, 13), {2}, {}},
              QStringLiteral("The second method of finding tickets is by entering search "
                             "information into the other boxes.") +
                  Gap +
                  QStringLiteral("Eg. Enter the first few letters of the description or "
                                 "supplier.") +
                  Br +
                  QStringLiteral(" you can select from the field history by clicking on the "
                                 "dropdown arrow on the required field.") +
                  Gap + QStringLiteral("{End of Step 3}")},
             {"Look Up - Step 4 /Search results.",
              {},
              QStringLiteral("Once you have entered the search detail, start the search by "
                             "clicking 'Search on above detail'.") +
                  Gap +
                  QStringLiteral("You will now have a list of tickets matching your search "
                                 "displayed or a message saying 'No matches found'.") +
                  Br +
                  QStringLiteral("From here selecting a ticket will display a preview in the "
                                 "preview window.") +
                  Gap + QStringLiteral("{End of Step 4}")},
             {"Look Up - Step 5 /Lookup ticket options.",
              {},
              QStringLiteral("Having selected a ticket the sizescale will be displayed at the "
                             "bottom of the screen with the last quantities.") +
                  Gap + QStringLiteral("Three options are given. These options are:-") + Gap +
                  QStringLiteral("1.New Search.") + Br + QStringLiteral("2.More of this ticket.") +
                  Br + QStringLiteral("3.Duplicate ticket.") + Gap +
                  QStringLiteral("Other tickets in the list can still be selected at this "
                                 "point.") +
                  Gap + QStringLiteral("{End of Step 5}")},
             {"Look Up - Step 6 /New Search.",
              {},
              QStringLiteral("'New Search' takes you back to entering search details. The "
                             "boxes still show your last search, which you can alter, or clear "
                             "with 'Clear above search details'.") +
                  Gap + QStringLiteral("{End of Step 6}")},
             {"Look Up - Step 7 /More of this ticket.",
              {},
              QStringLiteral("'More of this ticket' asks for the quantity of each size. "
                             "Accepting adds these tickets to the print file.") +
                  Gap + QStringLiteral("Note: No new record has been created.") + Gap +
                  QStringLiteral("{End of Step 7}")},
             {"Look Up - Step 8 /Duplicate Ticket.",
              {},
              QStringLiteral("'Duplicate Ticket' copies the ticket's details onto a new ticket "
                             "shown on the 'Add New Tickets' screen. Use it to make a new "
                             "ticket much like one you have already produced.") +
                  Gap + QStringLiteral("{End of Step 8}")},
         }},
        {"Print File",
         rgb(0, 128, 0),
         0,
         0,
         {
             {"Print file - Step 1 /Info",
              {},
              QStringLiteral("The ticket print file form is where you will find a list of all "
                             "the tickets awaiting printing.") +
                  Gap +
                  QStringLiteral("Selecting a ticket line shows its quantities for each size "
                                 "and the totals printed since the record was created. 'Print "
                                 "Report' prints a report of the tickets awaiting printing.") +
                  Gap + QStringLiteral("{End of Step 1}")},
             {"Print file - Step 2 /Altering detail",
              {},
              QStringLiteral("To add or remove quantities of a line, look its record up first: "
                             "double-click its line, or select it and click 'Lookup selected "
                             "Ticket'.") +
                  Gap +
                  QStringLiteral("Once the ticket is being displayed click 'More of this "
                                 "ticket' now enter qty's to add or use - to remove qty's.") +
                  Gap + QStringLiteral("{End of Step 2}")},
             {"Print file - Step 3 /Creating Print file",
              {},
              QStringLiteral("Once you are happy with the tickets you have in the print file "
                             "and are ready to start printing click 'Create print file'.") +
                  Gap +
                  QStringLiteral("The list of tickets will remain in this form until the print "
                                 "file is created.") +
                  Gap + QStringLiteral("{End of Step 3}")},
         }},
    };
    return pages;
}

// A topic button: the topic's colour, its toolbar picture and its name.
QImage topicPicture(const TopicPage& topic, const QIcon& icon, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(ColourValue::toQColor(topic.band).lighter(130));
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 6, 6);
    const int iconSize = qMin(32, height - 24);
    p.drawPixmap(8, (height - iconSize) / 2, icon.pixmap(iconSize, iconSize));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(iconSize + 16, 0, width - iconSize - 20, height),
               Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(topic.name));
    return image;
}

} // namespace

int WTHelp::lastStep(int topic)
{
    if (topic < 0 || topic >= TopicCount)
        return 0;
    return int(topics().at(size_t(topic)).steps.size());
}

WTHelp::WTHelp(MainFrm& main) : QWidget(&main, Qt::Window), m_main(main)
{
    setObjectName(QStringLiteral("WTHelp"));
    setFont(FontSubstitutes::formFont());
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(Label::toPixels(5040), Label::toPixels(5280));

    Label1 = placeControl<Label>(this, QStringLiteral("Label1"), 120, 90, 4800, 375);
    Label1->setCaption(QStringLiteral("Walk Through Help"));
    Label1->setFontSize(12);
    Label1->setFontBold(true);
    Label1->setAlignment(Qt::AlignCenter);

    Shape2 = placeControl<Shape>(this, QStringLiteral("Shape2"), 120, 510, 4800, 150);
    Shape2->setBackStyle(Shape::Opaque);
    Shape2->setBorderStyle(Shape::BorderTransparent);

    Shape1 = placeControl<Shape>(this, QStringLiteral("Shape1"), 60, 30, 4920, 4620);
    Line1 = new Line(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setX1(120);
    Line1->setY1(4560);
    Line1->setX2(4920);
    Line1->setY2(4560);

    Frame1 = placeControl<Frame>(this, QStringLiteral("Frame1"), 120, 720, 4800, 3765);
    Label2 = placeControl<Label>(Frame1, QStringLiteral("Label2"), 240, 300, 4320, 375);
    Label2->setCaption(QStringLiteral("Please select a Help Category."));
    Label2->setFontBold(true);
    const QIcon icons[] = {Artwork::newTicketsIcon(), Artwork::lookUpIcon(),
                           Artwork::printFileIcon()};
    for (int k = 0; k < TopicCount; ++k) {
        PictureBox* picture = placeControl<PictureBox>(Frame1, indexedName("Image1", k), 840,
                                                       840 + k * 930, 3120, 735);
        picture->setFrameShape(QFrame::NoFrame);
        picture->setPicture(topicPicture(topics().at(size_t(k)), icons[k],
                                         PictureBox::toPixels(3120), PictureBox::toPixels(735)));
        picture->setTag(QStringLiteral("0"));
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &PictureBox::Click, this, [this, k] { Image1_Click(k); });
        Image1[size_t(k)] = picture;
    }

    Frame2 = placeControl<Frame>(this, QStringLiteral("Frame2"), 120, 720, 4800, 3765);
    Label3 = placeControl<Label>(Frame2, QStringLiteral("Label3"), 120, 270, 4560, 420);
    Label3->setFontBold(true);
    Label3->setWordWrap(true);
    Text1 = new QPlainTextEdit(Frame2);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setGeometry(Label::toPixels(120), Label::toPixels(750), Label::toPixels(4560),
                       Label::toPixels(2880));

    // Left to right: Prev, Next, Menu, Close.
    const struct
    {
        int index;
        const char* caption;
        int left;
    } buttons[] = {
        {2, "Prev Step", 120},
        {0, "Next Step", 1335},
        {3, "Menu", 2550},
        {1, "Close Help", 3765},
    };
    for (const auto& b : buttons) {
        CommandButton* button = placeControl<CommandButton>(this, indexedName("Command1", b.index),
                                                            b.left, 4680, 1155, 435);
        button->setCaption(QString::fromLatin1(b.caption));
        const int index = b.index;
        connect(button, &CommandButton::Click, this, [this, index] { Command1_Click(index); });
        Command1[size_t(b.index)] = button;
    }

    HelpMenu();
}

void WTHelp::setBand(qint32 colour)
{
    Shape2->setBackColor(colour);
}

void WTHelp::HelpMenu()
{
    setBand(MenuBand);
    CloseFrames();
    Frame1->setVisible(true);
    Command1[0]->setEnabled(false);
    Command1[3]->setEnabled(false);
    Command1[2]->setEnabled(false);
}

void WTHelp::CloseFrames()
{
    Frame1->setVisible(false);
    Frame2->setVisible(false);
}

void WTHelp::RestoreColours()
{
    m_main.showNormalColours();
}

void WTHelp::Image1_Click(int index)
{
    if (index < 0 || index >= TopicCount)
        return;
    for (PictureBox* picture : Image1)
        picture->setTag(QStringLiteral("0"));
    m_step = 1;
    setBand(topics().at(size_t(index)).band);
    CloseFrames();
    showStep(index, 1);
    Command1[0]->setEnabled(true);
    Command1[3]->setEnabled(true);
    Command1[2]->setEnabled(false);
    Image1[size_t(index)]->setTag(QStringLiteral("1"));
}

void WTHelp::Command1_Click(int index)
{
    RestoreColours();
    switch (index) {
    case 0:
        ++m_step;
        break;
    case 1:
        m_main.Command7->setTag(QString());
        Unload();
        return;
    case 2:
        --m_step;
        break;
    case 3:
        HelpMenu();
        return;
    default:
        return;
    }
    for (int topic = 0; topic < TopicCount; ++topic) {
        if (Values::numericValue(Image1[size_t(topic)]->Tag()) != 1)
            continue;
        Command1[2]->setEnabled(m_step != 1);
        Command1[0]->setEnabled(m_step != lastStep(topic));
        showStep(topic, m_step);
    }
}

void WTHelp::showStep(int topic, int step)
{
    const TopicPage& page = topics().at(size_t(topic));
    if (step < 1 || step > int(page.steps.size()))
        return;
    const StepPage& s = page.steps.at(size_t(step - 1));
    Frame2->setVisible(true);
    for (int index : s.marks.label1)
        m_main.Label1[size_t(index)]->setBackColor(page.captionColour);
    for (int index : s.marks.label3)
        m_main.Label3[size_t(index)]->setBackColor(page.captionColour);
    for (int index : s.marks.combo1)
        m_main.Combo1[size_t(index)]->setBackColor(page.fieldColour);
    for (int index : s.marks.text1)
        m_main.Text1[size_t(index)]->setBackColor(page.fieldColour);
    for (int index : s.marks.text2)
        m_main.Text2[size_t(index)]->setBackColor(page.fieldColour);
    Label3->setCaption(QString::fromLatin1(s.title));
    m_stepText = s.text;
    Text1->setPlainText(QString(s.text).replace(Br, QStringLiteral("\n")));
}

void WTHelp::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_main.Command7->setTag(QString());
    RestoreColours();
    hide();
    emit Unloaded();
}

void WTHelp::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}

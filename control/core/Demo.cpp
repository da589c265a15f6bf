#include "control/core/Demo.h"

#include <QPainter>
#include <QPointer>
#include <QUrl>

#include "control/core/FaceGlyphs.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Placement.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/shell/WebPage.h"

using namespace platform;

namespace {

constexpr int TwipsPerPixel = 15;
constexpr qint32 Blue = 0xFF0000;
constexpr qint32 White = 0xFFFFFF;

QPointer<Demo> g_box;

QFont fontOf(const char* family, double points, bool bold)
{
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The two decorations: the control's preview and print pictures, enlarged.
QImage decoration(const QIcon& icon)
{
    return icon.pixmap(32, 32).toImage();
}

} // namespace

const QString Demo::WebAddress = QStringLiteral("www.zentrel.example");
const QString Demo::MailAddress = QStringLiteral("ask@zentrel.example");

Demo::Demo()
{
    setObjectName(QStringLiteral("Demo"));
    setWindowTitle(QStringLiteral("About Zentrel6"));
    setFixedSize(DesignWidth / TwipsPerPixel, DesignHeight / TwipsPerPixel);
    setFont(fontOf("MS Sans Serif", 9.75, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(palette);
    setAutoFillBackground(true);

    Shape1 = placeControl<Shape>(this, QStringLiteral("Shape1"), 15, 15, 4740, 1995);
    Shape1->setBorderColor(White);

    Label1 = placeControl<Label>(this, QStringLiteral("Label1"), 135, 135, 4215, 540);
    Label1->setFont(fontOf("Arial", 9, true));
    Label1->setForeColor(White);
    Label1->setCaption(QStringLiteral("Zentrel6 print and preview control  V.6.1"));
    Label2 = placeControl<Label>(this, QStringLiteral("Label2"), 105, 360, 4050, 300);
    Label2->setFont(fontOf("Times New Roman", 8.25, true));
    Label2->setForeColor(White);
    Label2->setCaption(QStringLiteral("Prints and previews the forms of your programs."));

    Line1 = new Line(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setX1(120);
    Line1->setY1(705);
    Line1->setX2(4650);
    Line1->setY2(705);
    Line1->setBorderColor(White);
    Line2 = new Line(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setX1(120);
    Line2->setY1(1710);
    Line2->setX2(4650);
    Line2->setY2(1710);
    Line2->setBorderColor(White);

    Image1 = placeControl<PictureBox>(this, QStringLiteral("Image1"), 300, 810, 480, 480);
    Image1->setPicture(decoration(FaceGlyphs::previewIcon()));
    Image1->setStretch(true);
    Image2 = placeControl<PictureBox>(this, QStringLiteral("Image2"), 3990, 810, 480, 480);
    Image2->setPicture(decoration(FaceGlyphs::printIcon()));
    Image2->setStretch(true);

    Command1 = placeControl<CommandButton>(this, QStringLiteral("Command1"), 1125, 1365, 2010, 285);
    Command1->setCaption(QStringLiteral("Close"));
    Command1->setFont(fontOf("Arial", 8.25, true));

    // The address labels are small enough to keep the addresses on one line.
    Mailto = placeControl<Label>(this, QStringLiteral("Mailto"), 120, 1755, 1875, 375);
    Mailto->setFont(fontOf("Arial", 8.25, false));
    Mailto->setForeColor(Blue);
    Mailto->setCaption(MailAddress);
    Mailto->setCursor(Qt::PointingHandCursor);
    lblLink = placeControl<Label>(this, QStringLiteral("lblLink"), 2175, 1755, 2400, 210);
    lblLink->setFont(fontOf("Arial", 8.25, false));
    lblLink->setForeColor(Blue);
    lblLink->setCaption(WebAddress);
    lblLink->setCursor(Qt::PointingHandCursor);

    Label3 = placeControl<Label>(this, QStringLiteral("Label3"), 4500, 30, 210, 270);
    Label3->setFont(fontOf("Tahoma", 11.25, true));
    Label3->setForeColor(White);
    Label3->setBackColor(0xC0C0C0);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setCaption(QStringLiteral("X"));

    // Outside the visible area; without a font of its own it has the
    // window's.
    ClearFont = placeControl<TextBox>(this, QStringLiteral("ClearFont"), -2025, 1275, 300, 360);
    RefText = placeControl<TextBox>(this, QStringLiteral("RefText"), -3980, 915, 390, 360);

    connect(lblLink, &Label::Click, this, [this] { OpenLink(lblLink->Caption()); });
    connect(Mailto, &Label::Click, this, [] { OpenLink(QStringLiteral("mailto:") + MailAddress); });
    connect(Command1, &CommandButton::Click, this, &QDialog::reject);
    connect(Label3, &Label::Click, this, &QDialog::reject);
}

Demo::~Demo() = default;

Demo& Demo::instance()
{
    if (!g_box)
        g_box = new Demo();
    return *g_box;
}

void Demo::release()
{
    delete g_box.data();
}

void Demo::About()
{
    Demo& box = instance();
    box.setModal(true);
    box.exec();
    release();
}

QFont Demo::referenceFont()
{
    return instance().ClearFont->font();
}

DeviceContext& Demo::surface()
{
    Demo& box = instance();
    if (!box.m_surface) {
        box.m_surface = std::make_unique<DeviceContext>(
            std::make_unique<ImageDevice>(box.width(), box.height(), true));
        box.m_surface->selectFont(box.m_surface->deviceFont(box.font()));
    }
    return *box.m_surface;
}

void Demo::OpenLink(const QString& target)
{
    // A target the desktop cannot open has no visible effect.
    WebPage::showInBrowser(QUrl::fromUserInput(target));
}

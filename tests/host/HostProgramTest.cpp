#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QProcess>
#include <QWidget>

#include "HostClasses.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

#include "control/core/Zentrel.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "platform/hosting/PropertyBag.h"

// The shop's own kind of label, with a meta-object of its own.
class ShopLabel : public platform::Label
{
    Q_OBJECT
public:
    using platform::Label::Label;
};

// A host program as a shop would write one: a form of the platform's
// controls with the print/preview control on it, linked to the shared
// control library and the platform's shared libraries only, beside classes
// of its own named like the platform's (HostClasses.h).
class HostProgram : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        HostCounts::reset();
    }

    // The shop's daily-labels form: every simple kind of the platform's
    // controls, a frame holding some of them, and the control.
    Zentrel* buildForm(QWidget& form)
    {
        form.setWindowTitle(QStringLiteral("Daily labels"));
        auto* title = new platform::Label(&form);
        title->Move(300, 300, 4000, 300);
        title->setCaption(QStringLiteral("Labels printed today"));
        auto* shop = new platform::TextBox(&form);
        shop->Move(300, 700, 3000, 300);
        shop->setText(QStringLiteral("High Street"));
        auto* lines = new platform::MultiLineTextBox(&form);
        lines->Move(300, 1100, 5000, 1500);
        lines->setText(QStringLiteral("Coats 12\nScarves 30\nHats 8"));
        auto* box = new platform::Frame(&form);
        box->Move(300, 2800, 5000, 1500);
        box->setCaption(QStringLiteral("Window display"));
        auto* rule = new platform::Line(box);
        rule->setX1(100);
        rule->setY1(600);
        rule->setX2(4000);
        rule->setY2(600);
        new platform::Shape(box);
        QImage swatch(20, 20, QImage::Format_RGB32);
        swatch.fill(Qt::darkBlue);
        auto* picture = new platform::Image(&form);
        picture->Move(300, 4500, 300, 300);
        picture->setPicture(swatch);
        auto* canvas = new platform::PictureBox(&form);
        canvas->Move(900, 4500, 300, 300);

        auto* control = new Zentrel(&form);
        control->InitProperties();
        control->setPrinterName(QStringLiteral("pdf"));
        control->setPagesNumbers(true);
        return control;
    }

    static QString printedText()
    {
        const QStringList printed =
            QDir(QStringLiteral("printed")).entryList({QStringLiteral("*.pdf")});
        if (printed.size() != 1)
            return QStringLiteral("%1 documents printed").arg(printed.size());
        QProcess poppler;
        poppler.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("printed/") + printed.first(), QStringLiteral("-")});
        poppler.waitForFinished(30000);
        return QString::fromUtf8(poppler.readAllStandardOutput());
    }

    // A message box the job shows fails the test instead of waiting.
    ScriptedDialogs m_dialogs;
};

TEST_F(HostProgram, PrintsAndPreviewsBesideItsOwnClassesOfThePlatformsNames)
{
    // The host's own objects, made by its own code.
    Printer ownPrinter(QStringLiteral("High Street"));
    ownPrinter.Print(QStringLiteral("morning labels"), true);
    QWidget form;
    const PictureBox ownPicture(&form);
    const Line ownLine;
    const TextBox ownText;
    const Frame ownFrame;
    const Image ownImage;
    // The shop's widgets on the form, of no platform kind: left out.
    Label ownLabel(&form);
    shop::Label shopLabel(&form);
    Shape ownShape(&form);
    for (QLabel* label : {static_cast<QLabel*>(&ownLabel), static_cast<QLabel*>(&shopLabel)})
        label->setText(QStringLiteral("Own caption"));
    ownLabel.Move(300, 5200, 3000, 300);
    shopLabel.Move(300, 5600, 3000, 300);
    ownShape.Move(300, 6000, 3000, 300);
    ASSERT_EQ(HostCounts::constructed(), 8);

    Zentrel* control = buildForm(form);
    ASSERT_EQ(control->PrinterName(), QStringLiteral("PDF"));
    int pages = 0;
    QObject::connect(control, &Zentrel::Page, control, [&](qint16&) { ++pages; });
    ASSERT_TRUE(control->LVPrint());
    EXPECT_EQ(pages, 1);
    const QString text = printedText();
    for (const char* expected : {"Labels printed today", "High Street", "Coats 12", "Hats 8",
                                 "Window display", "Page : 1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected)))
            << expected << " in " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Own caption")));

    ASSERT_TRUE(control->Preview());
    QCoreApplication::processEvents();
    QWidget* preview = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("Prview") && window->isVisible())
            preview = window;
    ASSERT_NE(preview, nullptr);
    const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, y)) < 96;
    EXPECT_GT(dark, 200) << "the preview shows the form's texts";
    control->ClosePreviewForms();

    // None of the host's classes ran inside the library's jobs.
    EXPECT_EQ(HostCounts::constructed(), 8);
    EXPECT_EQ(Values::calls(), 0);
    EXPECT_EQ(Values::signBlank(3), QStringLiteral("host"));
    ownPrinter.NewPage();
    EXPECT_TRUE(ownPrinter.EndDoc());
    EXPECT_EQ(ownPrinter.log(), (QStringList{"High Street: morning labels\n", "--", "end"}));
}

TEST_F(HostProgram, KeepsTheControlsPropertiesInItsBag)
{
    QWidget form;
    Zentrel* control = buildForm(form);
    control->setTopTitle(QStringLiteral("Window display"));
    control->setLeftMargin(2.5);
    platform::PropertyBag bag;
    control->WriteProperties(bag);

    QWidget other;
    auto* restored = new Zentrel(&other);
    restored->ReadProperties(platform::PropertyBag::fromVariantMap(bag.toVariantMap()));
    EXPECT_EQ(restored->TopTitle(), QStringLiteral("Window display"));
    EXPECT_EQ(restored->LeftMargin(), 2.5);
    EXPECT_EQ(restored->PrinterName(), QStringLiteral("PDF"));
}

// The same form on the central widget of a main window, with a label of the
// shop's own kind: every control on it prints.
TEST_F(HostProgram, PrintsTheControlsOnItsMainWindowsCentralWidget)
{
    QMainWindow window;
    auto* central = new QWidget;
    window.setCentralWidget(central);
    Zentrel* control = buildForm(*central);
    auto* own = new ShopLabel(central);
    own->Move(300, 5000, 4000, 300);
    own->setCaption(QStringLiteral("Shop label"));
    ASSERT_TRUE(control->LVPrint());
    const QString text = printedText();
    for (const char* expected :
         {"Labels printed today", "High Street", "Coats 12", "Window display", "Shop label"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected)))
            << expected << " in " << text.toStdString();
}

#include "HostProgramTest.moc"

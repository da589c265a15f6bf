#include "control/core/Zentrel.h"

#include <QApplication>
#include <QMetaObject>
#include <QResizeEvent>

#include "control/core/FaceGlyphs.h"
#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/SharedState.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/DoEvents.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// The face in twips: each button 358 wide, the control 375 high.
constexpr int ButtonWidth = 358;
constexpr int FaceHeight = 375;

} // namespace

Zentrel::Zentrel(QWidget* parent)
    : Control<QWidget>(parent), m_job(std::make_shared<JobContext>(*this))
{
    m_TitlesFont = QApplication::font();
    m_TitlesFont.setFamily(QStringLiteral("Arial"));
    m_TitlesFont.setPointSizeF(9);
    buildFace();
    UserControl_Resize();
}

Zentrel::~Zentrel()
{
    SharedState& shared = SharedState::get();
    // The windows are the library's: close them only for the control whose
    // preview they show, or when no other has one open.
    if (shared.PreviewOwner == this || shared.PreviewOwner.isNull())
        ClosePreviewForms();
}

void Zentrel::buildFace()
{
    PrevBtn = new CommandButton(this);
    PrevBtn->setObjectName(QStringLiteral("PrevBtn"));
    PrevBtn->setIcon(FaceGlyphs::previewIcon());
    PrevBtn->Move(0, 0, ButtonWidth, FaceHeight);
    connect(PrevBtn, &CommandButton::Click, this, [this] { Preview(); });

    Printbt = new CommandButton(this);
    Printbt->setObjectName(QStringLiteral("Printbt"));
    Printbt->setIcon(FaceGlyphs::printIcon());
    Printbt->Move(ButtonWidth + 4, 0, ButtonWidth, FaceHeight);
    connect(Printbt, &CommandButton::Click, this, [this] { LVPrint(); });

    // Scratch surfaces and glyphs: on the face, never shown.
    const auto hidden = [this](const char* name) {
        auto* box = new PictureBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->hide();
        return box;
    };
    Baka = hidden("Baka");
    baki = hidden("baki");
    Optik = hidden("Optik");
    Optinon = hidden("Optinon");
    Optik->setPicture(FaceGlyphs::optionSet());
    Optinon->setPicture(FaceGlyphs::optionCleared());
}

void Zentrel::changed(const char* name)
{
    emit PropertyChanged(QString::fromLatin1(name));
}

// ---- Life cycle ----

void Zentrel::UserControl_Resize()
{
    if (m_resizing)
        return;
    m_resizing = true;
    const int buttons = PrevBtn->Enabled() ? 2 : 1;
    setWidth(ButtonWidth * buttons + 5);
    setHeight(FaceHeight);
    Printbt->setLeft(buttons == 2 ? PrevBtn->Width() + 4 : 1);
    m_resizing = false;
}

void Zentrel::resizeEvent(QResizeEvent* event)
{
    Control<QWidget>::resizeEvent(event);
    UserControl_Resize();
}

void Zentrel::bringToFront(bool show)
{
    if (show)
        setVisible(true);
    // Raising a widget that is already in front would only repaint it.
    QWidget* container = parentWidget();
    if (!container)
        return;
    QWidget* front = nullptr;
    for (QObject* child : container->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            front = widget;
    }
    if (front != this)
        raise();
}

void Zentrel::UserControl_Paint()
{
    bringToFront();
    // baki is never shown, so it takes the focus only if a host shows it.
    if (baki->isVisible())
        baki->setFocus();
    bringToFront();
    // A print asked for in the preview window is queued when it is asked
    // for (queuePrint), so it never waits for a paint; a paint that finds
    // the request still pending queues it too. It never runs inside the
    // paint.
    if (SharedState::get().PrintFromPreview)
        queuePrint();
}

void Zentrel::queuePrint()
{
    if (m_printQueued)
        return;
    m_printQueued = true;
    QMetaObject::invokeMethod(this, &Zentrel::printFromPreview, Qt::QueuedConnection);
}

void Zentrel::printFromPreview()
{
    m_printQueued = false;
    DoEvents();
    SharedState& shared = SharedState::get();
    if (!shared.PrintFromPreview)
        return;
    shared.PrintFromPreview = false;
    LVPrint();
}

void Zentrel::paintEvent(QPaintEvent* event)
{
    Control<QWidget>::paintEvent(event);
    UserControl_Paint();
}

// ---- Methods ----

void Zentrel::StopPrint()
{
    SharedState::get().PrintAborted = true;
}

// ---- Operations ----

qint32 Zentrel::SysColorIndex(qint32 Colour)
{
    const quint32 value = quint32(Colour);
    if (value >= 0x80000000u && value <= 0x80000000u + 20)
        return qint32(value - 0x80000000u);
    return 0;
}

void Zentrel::CheckParentMDI()
{
    if (ControlMembers::has(parentForm(), QStringLiteral("AutoShowChildren")))
        HostIsMDI = true;
}

void Zentrel::CheckPrinter(bool ShowMsg)
{
    // The collection always offers the built-in "PDF" printer; only an
    // empty one has no printer to use.
    if (Printers::collection().Count() > 0)
        return;
    if (ShowMsg)
        Dialogs::current().message(QStringLiteral("No printer has been installed on this system"),
                                   QString(), Dialogs::Icon::Critical);
    SharedState& shared = SharedState::get();
    shared.PrintAborted = true;
    // Abandons a document still open on the printer; a finished one is not
    // touched.
    if (shared.DirectPrint == 1)
        PrinterKillDoc();
    DoEvents();
}

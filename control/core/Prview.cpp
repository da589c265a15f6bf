#include "control/core/Prview.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "control/core/Interin.h"
#include "control/core/OffScreenDC.h"
#include "control/core/SharedState.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Placement.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DoEvents.h"
#include "platform/gdi/ImageDevice.h"

using namespace platform;

namespace {

constexpr int TwipsPerPixel = 15;
// The width the window's arithmetic was made for, in twips.
constexpr double ReferenceScreenTwips = 12000.0;
constexpr int ScrollBarThickness = 17;

// An 11 x 11 box, ticked or empty: the glyphs the check-box and list-box
// renderers draw.
QImage checkGlyph(bool ticked)
{
    QImage glyph(11, 11, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 10, 10);
    if (ticked) {
        const QPoint tick[] = {{2, 5}, {4, 7}, {8, 3}};
        painter.drawPolyline(tick, 3);
        const QPoint thick[] = {{2, 6}, {4, 8}, {8, 4}};
        painter.drawPolyline(thick, 3);
    }
    return glyph;
}

// Screen.Width in twips; 0 when the platform reports no screen.
int screenWidthTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() * TwipsPerPixel : 0;
}

} // namespace

// ---- PreviewView ----

PreviewView::PreviewView(QWidget* parent) : PictureBox(parent) {}

PreviewView::~PreviewView() = default;

void PreviewView::setViewSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    QWidget::resize(width, height);
    if (m_dc && m_dc->image().size() == QSize(width, height))
        return;
    if (m_dc)
        m_retired.push_back(std::move(m_dc));
    m_dc = std::make_unique<DeviceContext>(std::make_unique<ImageDevice>(width, height, true));
    update();
}

void PreviewView::Cls()
{
    if (!m_dc)
        return;
    const QImage current = m_dc->image();
    const GdiRect all{0, 0, current.width(), current.height()};
    m_dc->extTextOut(0, 0, Gdi::ETO_OPAQUE, &all, QString());
    update();
}

QImage PreviewView::surface() const
{
    return m_dc ? m_dc->image() : QImage();
}

void PreviewView::paintEvent(QPaintEvent* event)
{
    PictureBox::paintEvent(event);
    if (!m_dc)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_dc->image());
}

// ---- PrviewForm ----

PrviewForm::PrviewForm(QWidget* parent) : Control<QWidget>(parent)
{
    setObjectName(QStringLiteral("Prview"));
    setWindowFlag(Qt::Window);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    setBackColor(DesignBackColor);
    resize(DesignWidth / TwipsPerPixel, DesignHeight / TwipsPerPixel);

    const auto button = [this](const char* name, const char* caption, int left, int top) {
        auto* b =
            placeControl<CommandButton>(this, QString::fromLatin1(name), left, top, 1035, 285);
        b->setCaption(QString::fromLatin1(caption));
        return b;
    };
    Printbt = button("Printbt", "Print...", 90, 15);
    Up = button("Up", "Prev Page", 1215, 15);
    Up->setToolTipText(QStringLiteral("Previous Page"));
    Up->setEnabled(false);
    Down = button("Down", "Next Page", 2355, 15);
    Comb = placeControl<ComboBox>(this, QStringLiteral("Comb"), 3555, 0, 825, 315);
    QFont courier(QStringLiteral("Courier"));
    courier.setPointSizeF(9.75);
    Comb->setFont(courier);
    Closebtn = button("Closebtn", "Close", 4665, 30);
    Closebtn->setToolTipText(QStringLiteral("Close"));

    Back = new PictureBox(this);
    Back->setObjectName(QStringLiteral("Back"));
    Back->move(0, 345 / TwipsPerPixel);
    // Opaque, so that moving the page inside it never repaints the window
    // (whose paint arranges the view and brings the page back left).
    Back->setBackColor(DesignBackColor);
    Back->resize(width(), height() - Back->y());
    View = new PreviewView(Back);
    View->setObjectName(QStringLiteral("View"));
    View->move(0, 0);
    View->setBackColor(0xFFFFFF);
    VScrl = new QScrollBar(Qt::Vertical, Back);
    VScrl->setObjectName(QStringLiteral("VScrl"));
    VScrl->resize(ScrollBarThickness, Back->height());
    HScrl = new QScrollBar(Qt::Horizontal, Back);
    HScrl->setObjectName(QStringLiteral("HScrl"));
    HScrl->resize(Back->width(), ScrollBarThickness);
    Corner = new PictureBox(Back);
    Corner->setObjectName(QStringLiteral("Corner"));

    Check = new PictureBox(this);
    Check->setObjectName(QStringLiteral("Check"));
    Check->setPicture(checkGlyph(true));
    Check->hide();
    Uncheck = new PictureBox(this);
    Uncheck->setObjectName(QStringLiteral("Uncheck"));
    Uncheck->setPicture(checkGlyph(false));
    Uncheck->hide();

    Prview& window = Prview::get();
    connect(Printbt, &CommandButton::Click, this, [&window] { window.Print(); });
    connect(Up, &CommandButton::Click, this, [&window] { window.PreviousPage(); });
    connect(Down, &CommandButton::Click, this, [&window] { window.NextPage(); });
    connect(Comb, &ComboBox::Click, this,
            [this, &window] { window.PagePicked(Comb->ListIndex()); });
    connect(Closebtn, &CommandButton::Click, this, [&window] { window.Close(); });
    connect(HScrl, &QScrollBar::valueChanged, this,
            [this](int value) { View->move(-value, View->y()); });
    connect(VScrl, &QScrollBar::valueChanged, this, [this, &window](int value) {
        View->move(View->x(), -value);
        window.DrawIntoScrn();
    });
}

void PrviewForm::resizeEvent(QResizeEvent* event)
{
    Control<QWidget>::resizeEvent(event);
    Prview::get().resize();
}

void PrviewForm::paintEvent(QPaintEvent* event)
{
    Control<QWidget>::paintEvent(event);
    // The arrangement moves child widgets: it runs after painting is over.
    // Qt repaints far more often than the window is uncovered, so a paint
    // arranges only when the page, the frame or the paging has changed;
    // otherwise it would bring a page scrolled to the right back left.
    Prview& window = Prview::get();
    if (SharedState::get().JobActive && !window.m_arrangeQueued &&
        !(window.arrangedFor() == window.m_arranged)) {
        window.m_arrangeQueued = true;
        QMetaObject::invokeMethod(
            this,
            [&window] {
                window.m_arrangeQueued = false;
                window.ArrangeView();
            },
            Qt::QueuedConnection);
    }
}

void PrviewForm::closeEvent(QCloseEvent* event)
{
    // The window's own close box closes the preview as the Close button
    // does; the visual part is then deleted by Close.
    Prview& window = Prview::get();
    if (SharedState::get().JobActive && !window.m_closing) {
        event->ignore();
        window.Close();
        return;
    }
    Control<QWidget>::closeEvent(event);
}

void PrviewForm::keyPressEvent(QKeyEvent* event)
{
    // Esc is the Close button's key.
    if (event->key() == Qt::Key_Escape) {
        Closebtn->click();
        return;
    }
    Control<QWidget>::keyPressEvent(event);
}

// ---- Prview ----

Prview& Prview::get()
{
    static Prview window;
    return window;
}

void Prview::reset()
{
    delete m_form.data();
    ScreenFactor = 1.0;
    ViewReady = false;
    m_closing = false;
    m_arrangeQueued = false;
    m_arranged = Arranged();
}

PrviewForm& Prview::form()
{
    if (!m_form)
        load();
    return *m_form;
}

void Prview::load()
{
    m_form = new PrviewForm();
    m_arranged = Arranged();
    m_form->setAttribute(Qt::WA_DeleteOnClose, false);
    SharedState& shared = SharedState::get();
    if (!shared.JobActive)
        return;
    const int screenTwips = screenWidthTwips();
    // Without a screen width the window is laid out as on a wide screen.
    ScreenFactor = screenTwips > 0 ? ReferenceScreenTwips / screenTwips : 1.0;
    shared.PreviewZoom = 1.0;
    m_form->VScrl->setValue(0);
    ViewReady = true;
}

void Prview::resize()
{
    if (!m_form || !SharedState::get().JobActive)
        return;
    PrviewForm& f = *m_form;
    const bool narrowScreen = ScreenFactor > 1.0;
    const int widthAdjust = narrowScreen ? -15 : -18;
    const int heightAdjust = narrowScreen ? -28 : -23;
    const QRect outer = f.frameGeometry();
    f.Back->resize(std::max(0, outer.width() + widthAdjust),
                   std::max(0, outer.height() - f.Back->y() + heightAdjust));
    f.VScrl->setGeometry(f.Back->width() - (f.VScrl->width() + 2), 0, f.VScrl->width(),
                         f.Back->height());
    f.HScrl->setGeometry(0, f.Back->height() - (f.HScrl->height() + 2), f.Back->width(),
                         f.HScrl->height());
    ArrangeView();
}

void Prview::ArrangeView()
{
    SharedState& shared = SharedState::get();
    if (!m_form || !shared.JobActive)
        return;
    PrviewForm& f = *m_form;
    f.Printbt->setVisible(shared.PrevPrintVisibleCopy);

    if (shared.PageCount < 1) {
        f.Down->setEnabled(false);
        f.Up->setEnabled(false);
        f.Comb->hide();
    } else {
        if (laterPageExists())
            f.Down->setEnabled(true);
        if (shared.CurrentPage > 0)
            f.Up->setEnabled(true);
        f.Comb->show();
    }

    const int viewWidth = f.View->width();
    const int viewHeight = f.View->height();
    const int backWidth = f.Back->width();
    const int backHeight = f.Back->height();
    if (viewWidth > backWidth - 40) {
        f.HScrl->setMaximum(viewWidth - backWidth + 100);
        f.HScrl->setPageStep(viewWidth - backWidth + 40);
        f.HScrl->show();
        f.HScrl->setSingleStep(10);
    } else {
        f.HScrl->hide();
    }
    if (viewHeight > backHeight - 40) {
        f.VScrl->setMaximum(viewHeight - backHeight + 200);
        f.VScrl->setSingleStep(10);
        f.VScrl->show();
        f.HScrl->setGeometry(0, f.HScrl->y(), f.VScrl->x(), f.HScrl->height());
    } else {
        f.VScrl->hide();
    }

    f.Corner->show();
    f.VScrl->resize(f.VScrl->width(), f.HScrl->y());
    f.Corner->setGeometry(f.HScrl->width() - 1, f.HScrl->y(), f.VScrl->width(), f.HScrl->height());
    if (f.HScrl->isHidden()) {
        f.VScrl->resize(f.VScrl->width(), f.VScrl->height() + 16);
        f.Corner->hide();
    }
    if (f.VScrl->isHidden()) {
        // The bar reaches past the frame's edge; measured from the frame so
        // that repeated arrangements do not keep widening it.
        f.HScrl->resize(backWidth + 15, f.HScrl->height());
        f.Corner->hide();
    }
    f.HScrl->setValue(0);
    f.Back->update();
    m_arranged = arrangedFor();
}

Prview::Arranged Prview::arrangedFor() const
{
    if (!m_form)
        return Arranged();
    const SharedState& shared = SharedState::get();
    return {m_form->View->size(), m_form->Back->size(), shared.PageCount, shared.CurrentPage};
}

bool Prview::laterPageExists() const
{
    const SharedState& shared = SharedState::get();
    return shared.PageNumberOffset + shared.CurrentPage - 1 < shared.PageCount + 1;
}

QString Prview::pageNumberText() const
{
    const SharedState& shared = SharedState::get();
    return QString::number(shared.PageNumberOffset + shared.CurrentPage - 1);
}

void Prview::DrawIntoScrn()
{
    if (!ViewReady || !m_form)
        return;
    OffScreenDC* page = SharedState::get().previewPage(SharedState::get().CurrentPage);
    if (!page)
        return;
    PreviewView* view = m_form->View;
    view->Cls();
    int width = -1;
    int height = -1;
    page->BlastToScreen(0, 0, width, height);
    view->update();
}

void Prview::NextPage()
{
    if (!m_form)
        return;
    SharedState& shared = SharedState::get();
    PrviewForm& f = *m_form;
    // A page is shown only when it was stored.
    if (laterPageExists() && shared.CurrentPage + 1 < int(shared.PreviewPages.size())) {
        ++shared.CurrentPage;
        DrawIntoScrn();
        f.Up->setEnabled(true);
    }
    if (!laterPageExists() || shared.CurrentPage + 1 >= int(shared.PreviewPages.size()))
        f.Down->setEnabled(false);
    f.Comb->setText(pageNumberText());
}

void Prview::PreviousPage()
{
    if (!m_form)
        return;
    SharedState& shared = SharedState::get();
    PrviewForm& f = *m_form;
    if (shared.CurrentPage > 0) {
        --shared.CurrentPage;
        DrawIntoScrn();
        f.Down->setEnabled(true);
    }
    if (shared.CurrentPage <= 0)
        f.Up->setEnabled(false);
    f.Comb->setText(pageNumberText());
}

void Prview::PagePicked(int listIndex)
{
    if (!m_form)
        return;
    SharedState& shared = SharedState::get();
    if (listIndex < 0 || listIndex >= int(shared.PreviewPages.size()))
        return;
    PrviewForm& f = *m_form;
    shared.CurrentPage = qint16(listIndex);
    DrawIntoScrn();
    f.Up->setEnabled(shared.CurrentPage >= 1);
    f.Down->setEnabled(laterPageExists() && listIndex + 1 < int(shared.PreviewPages.size()));
}

void Prview::Close()
{
    close(true);
}

void Prview::close(bool yield)
{
    if (m_closing)
        return;
    m_closing = true;
    if (yield)
        DoEvents();
    SharedState& shared = SharedState::get();
    ViewReady = false;
    shared.JobActive = false;
    if (shared.DirectPrint == 0) {
        for (auto& page : shared.PreviewPages) {
            if (page)
                page->Finale();
        }
        shared.PreviewPages.clear();
    }
    Interin::get().Finito();
    if (m_form) {
        // Deleted from the event loop: Close may run inside one of the
        // window's own event handlers.
        PrviewForm* f = m_form.data();
        m_form = nullptr;
        f->hide();
        f->deleteLater();
    }
    m_closing = false;
}

void Prview::Finir()
{
    // Also called while the control is being destroyed (with its form), when
    // running pending events could reach half-destroyed windows.
    close(false);
}

void Prview::Print()
{
    SharedState::get().PrintFromPreview = true;
    Close();
    DoEvents();
    // The control that made the preview prints it from the event loop,
    // whether or not it is painted, and never inside a paint.
    RequestPrintFromPreview();
}

void Prview::ShowPreview(const PreviewWindowSetup& setup)
{
    PrviewForm& f = form();
    if (!setup.downEnabled)
        f.Down->setEnabled(false);
    CommandButton* const buttons[] = {f.Printbt, f.Up, f.Down, f.Closebtn};
    for (int i = 0; i < 4; ++i) {
        if (!setup.captions[i].isEmpty())
            buttons[i]->setCaption(setup.captions[i]);
        if (!setup.toolTips[i].isEmpty())
            buttons[i]->setToolTipText(setup.toolTips[i]);
    }
    f.setWindowTitle(setup.windowCaption);
    f.Comb->Clear();
    for (const QString& number : setup.pageNumbers)
        f.Comb->AddItem(number);
    f.Comb->setText(setup.pageNumberText);

    if (OffScreenDC* first = SharedState::get().previewPage(0)) {
        if (ViewReady) {
            f.View->Cls();
            int width = -1;
            int height = -1;
            first->BlastToScreen(0, 0, width, height);
        }
    }

    const Qt::WindowStates state(setup.hostWindowState);
    if (state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        f.setWindowState(state);
    } else {
        f.setWindowState(Qt::WindowNoState);
        const QRect& twips = setup.hostGeometryTwips;
        if (twips.isValid()) {
            f.move(twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel);
            f.resize(twips.width() / TwipsPerPixel, twips.height() / TwipsPerPixel);
        }
    }
    f.show();
    f.raise();
}

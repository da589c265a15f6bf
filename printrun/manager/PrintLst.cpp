#include "printrun/manager/PrintLst.h"

#include "platform/controls/FontSubstitutes.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/ui/Dialogs.h"
#include "printrun/manager/RunFileEditor.h"
#include "printrun/manager/RunHandOver.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTreeWidgetItem>

using namespace platform;

namespace {

const QString CaptionText = QStringLiteral("Edit Ticket Run");
const QString NewLines = QStringLiteral("\r\n\r\n");
constexpr int TwipsPerPixel = 15;

// Room left for the window's borders, menu and status bar.
constexpr int ListWidthMargin = 100;
constexpr int ListHeightMargin = 1080;

// Status bar panels.
constexpr int RowCountPanel = 2;
constexpr int SelectedCountPanel = 4;

QPointer<PrintLst>& instance()
{
    static QPointer<PrintLst> editor;
    return editor;
}

} // namespace

PrintLst::PrintLst(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("PrintLst"));
    setWindowTitle(CaptionText);
    resize(11100 / TwipsPerPixel, 5400 / TwipsPerPixel);
    // The design font of the window, which the column widths were made for.
    FontSubstitutes::install();
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("PrintLstClient"));
    setCentralWidget(client);
    ListView1 = new ListView(client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->Move(0, 0, 10995, 4320);
    // Narrow columns keep their design widths; 0 hides a column.
    ListView1->header()->setMinimumSectionSize(0);
    // Several rows may be selected: "Selected tickets" deletes them all.
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listViewport = ListView1->viewport();
    ListView1->installEventFilter(this);
    m_listViewport->installEventFilter(this);
    m_listViewport->setMouseTracking(true);
    connect(ListView1, &ListView::ColumnClick, this, &PrintLst::ListView1_ColumnClick);

    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);

    createMenus();
    Form_Load();
}

PrintLst::~PrintLst()
{
    // The list's events stop reaching this window before its children go.
    ListView1->removeEventFilter(this);
    m_listViewport->removeEventFilter(this);
}

PrintLst* PrintLst::loaded()
{
    return instance().data();
}

PrintLst& PrintLst::load()
{
    QPointer<PrintLst>& editor = instance();
    if (!editor) {
        editor = new PrintLst;
        editor->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *editor;
}

PrintLst& PrintLst::Open(const QString& FName, QObject* context,
                         const std::function<void()>& refresh)
{
    const bool fresh = loaded() == nullptr;
    PrintLst& editor = load();
    if (fresh) {
        connect(&editor, &PrintLst::ListSaved, context, [refresh] { refresh(); });
        connect(&editor, &PrintLst::Unloaded, context, [refresh] { refresh(); });
    }
    editor.OpenFile(FName);
    return editor;
}

void PrintLst::createMenus()
{
    Menu_File = menuBar()->addMenu(QStringLiteral("&File"));
    Menu_File->setObjectName(QStringLiteral("Menu_File"));
    Menu_File_Reload =
        Menu_File->addAction(QStringLiteral("ReLoad"), this, &PrintLst::Menu_File_Reload_Click);
    Menu_File_Reload->setObjectName(QStringLiteral("Menu_File_Reload"));
    Menu_File_Save =
        Menu_File->addAction(QStringLiteral("Save"), this, &PrintLst::Menu_File_Save_Click);
    Menu_File_Save->setObjectName(QStringLiteral("Menu_File_Save"));
    Menu_File->addSeparator();
    Menu_File_Exit =
        Menu_File->addAction(QStringLiteral("Exit"), this, &PrintLst::Menu_File_Exit_Click);
    Menu_File_Exit->setObjectName(QStringLiteral("Menu_File_Exit"));

    Menu_Delete = menuBar()->addMenu(QStringLiteral("&Delete"));
    Menu_Delete->setObjectName(QStringLiteral("Menu_Delete"));
    Menu_Delete_Delete1toN = Menu_Delete->addAction(QStringLiteral("Amount?"), this,
                                                    &PrintLst::Menu_Delete_Delete1toN_Click);
    Menu_Delete_Delete1toN->setObjectName(QStringLiteral("Menu_Delete_Delete1toN"));
    Menu_Delete_DeleteSelected = Menu_Delete->addAction(
        QStringLiteral("Selected tickets"), this, &PrintLst::Menu_Delete_DeleteSelected_Click);
    Menu_Delete_DeleteSelected->setObjectName(QStringLiteral("Menu_Delete_DeleteSelected"));
}

void PrintLst::Form_Load()
{
    // The list starts without columns; the fourteen are built here.
    for (const RunFileEditor::ColumnInfo& column : RunFileEditor::Columns)
        ListView1->addColumnHeader(QString::fromLatin1(column.heading), column.widthTwips,
                                   column.alignment);

    StatusBar1->addPanel(QStringLiteral("Total Tickets"), QString(), 1000);
    StatusBar1->addPanel(QStringLiteral("?"), QString(), 800);
    StatusBar1->addPanel(QStringLiteral("Total Selected"), QString(), 1200);
    StatusBar1->addPanel(QStringLiteral("1"), QString(), 800);
}

void PrintLst::OpenFile(const QString& FName)
{
    CurrentRunFile = FName;
    LoadList(FName);
    setWindowTitle(CaptionText + QStringLiteral(" (") + FName + QStringLiteral(")"));
    show();
    raise();
    activateWindow();
}

void PrintLst::LoadList(const QString& path)
{
    ListView1->clearItems();
    m_fileState = RunFileEditor::stateOf(path);
    const RunFileEditor::ReadResult file = RunFileEditor::read(path);
    if (!file.found)
        return;
    for (const RunFileEditor::Row& row : file.rows)
        ListView1->addItem(row.first(), row.mid(1));
    showRowCount();
}

bool PrintLst::SaveList(const QString& path)
{
    QList<RunFileEditor::Row> rows;
    rows.reserve(ListView1->itemCount());
    for (int index = 1; index <= ListView1->itemCount(); ++index) {
        RunFileEditor::Row row;
        for (int column = 0; column < RunFileEditor::ColumnCount; ++column)
            row.append(ListView1->subItem(index, column));
        rows.append(row);
    }
    // The watch joins a run taken meanwhile to the end of the held run it
    // prints next; those tickets are not this list's to drop.
    QByteArray following;
    if (path == CurrentRunFile && isHeldRun())
        following = RunFileEditor::addedSince(RunFileEditor::stateOf(path), m_fileState);
    QString error;
    if (!RunFileEditor::write(path, rows, &error, following)) {
        Dialogs::current().message(QStringLiteral("The ticket run could not be saved.") + NewLines +
                                       error,
                                   QStringLiteral("Save"), Dialogs::Icon::Critical);
        return false;
    }
    m_fileState = RunFileEditor::stateOf(path);
    emit ListSaved(path);
    return true;
}

void PrintLst::Menu_File_Reload_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Reload ") + CurrentRunFile + QStringLiteral("?") + NewLines +
            QStringLiteral("Note, Any changes made will be lost."),
        QStringLiteral("Reload"), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes)
        OpenFile(CurrentRunFile);
}

void PrintLst::Menu_File_Save_Click()
{
    const Dialogs::Answer answer = Dialogs::current().message(
        QStringLiteral("Save ") + CurrentRunFile + QStringLiteral("?") + NewLines +
            QStringLiteral("Note, this will overwrite existing file."),
        QStringLiteral("Save"), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes && confirmWriteOverChange())
        SaveList(CurrentRunFile);
}

bool PrintLst::confirmWriteOverChange()
{
    const RunFileEditor::FileState now = RunFileEditor::stateOf(CurrentRunFile);
    if (now == m_fileState)
        return true;
    // Tickets joined to a held run are kept after the list (SaveList).
    const bool held = isHeldRun();
    if (held && RunFileEditor::extends(now, m_fileState))
        return true;
    if (held && now.exists) {
        const QString text =
            CurrentRunFile +
            QStringLiteral(" holds other tickets now: the run that was opened was printed or "
                           "deleted.") +
            NewLines + QStringLiteral("Save the list to wait with them?");
        return Dialogs::current().message(text, QStringLiteral("Save"), Dialogs::Icon::Exclamation,
                                          Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    }
    // A waiting run that was printed meanwhile would be printed twice; a run
    // or reprint file written anew meanwhile would be lost.
    const QString text =
        m_fileState.exists && !now.exists
            ? CurrentRunFile +
                  QStringLiteral(" is gone: it was printed or deleted after it was opened.") +
                  NewLines + QStringLiteral("Save the list as a new ") + CurrentRunFile +
                  QStringLiteral("?")
            : CurrentRunFile + QStringLiteral(" has changed since it was opened.") + NewLines +
                  QStringLiteral("Overwrite it with the list?");
    return Dialogs::current().message(text, QStringLiteral("Save"), Dialogs::Icon::Exclamation,
                                      Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

bool PrintLst::isHeldRun() const
{
    return QFileInfo(CurrentRunFile)
               .fileName()
               .compare(RunHandOver::HeldName, Qt::CaseInsensitive) == 0;
}

void PrintLst::Menu_File_Exit_Click()
{
    Unload();
}

void PrintLst::Menu_Delete_Delete1toN_Click()
{
    const QString answer = Dialogs::current().input(
        QStringLiteral("Please enter how many tickets to delete?") + NewLines +
            QStringLiteral("Tickets will be deleted from the top down"),
        QStringLiteral("Delete Tickets"), QStringLiteral("0"));
    const qint64 count = RunFileEditor::deleteCount(answer);
    if (count <= 0)
        return;
    // The top rows go in one step; a count past the end takes them all.
    const int last = int(qMin<qint64>(count, ListView1->itemCount()));
    QList<QTreeWidgetItem*> top;
    top.reserve(last);
    for (int index = 1; index <= last; ++index)
        top.append(ListView1->item(index));
    ListView1->removeItems(top);
    showRowCount();
    ListView1_SelectedCount();
}

void PrintLst::Menu_Delete_DeleteSelected_Click()
{
    // The rows selected now go in one step; the first row left after the
    // first of them (else the last row) is then the one selected.
    ListView1->removeItems(ListView1->selectedItems());
    showRowCount();
    // The selection changed with the rows: the count follows at once, not
    // at the next mouse move over the list.
    ListView1_SelectedCount();
}

void PrintLst::ListView1_ColumnClick(int columnIndex)
{
    ListView1->setSortKey(columnIndex - 1);
    ListView1->setSorted(true);
}

void PrintLst::ListView1_SelectedCount()
{
    int count = 0;
    for (int index = 1; index <= ListView1->itemCount(); ++index) {
        if (ListView1->item(index)->isSelected())
            ++count;
    }
    StatusBar1->setPanelText(SelectedCountPanel, QString::number(count));
}

void PrintLst::Unload()
{
    close();
}

void PrintLst::Form_Resize()
{
    const QRect outer = frameGeometry();
    const int outerWidth = outer.width() * TwipsPerPixel;
    const int outerHeight = outer.height() * TwipsPerPixel;
    ListView1->setTop(0);
    ListView1->setWidth(qMax(0, outerWidth - ListWidthMargin));
    if (outerHeight > ListHeightMargin)
        ListView1->setHeight(outerHeight - ListHeightMargin);
}

void PrintLst::showRowCount()
{
    StatusBar1->setPanelText(RowCountPanel, QString::number(ListView1->itemCount()));
}

void PrintLst::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !m_unloaded) {
        m_unloaded = true;
        emit Unloaded();
    }
}

void PrintLst::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool PrintLst::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1 || watched == m_listViewport) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
            // Counted once the list has handled the event, so that the
            // count includes the selection the click or key just made.
            QMetaObject::invokeMethod(this, &PrintLst::ListView1_SelectedCount,
                                      Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

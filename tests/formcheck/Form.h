#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

// A host form described as data: made from a seed (or by hand from the same
// pieces), built into widgets, and written out for a reader to replay. Every
// word a control shows is a token naming the control ("c07w3" is word 3 of
// control 7), so each printed word traces back to the control it came from.
namespace FormCheck {

enum class Kind {
    Label,
    TextBox,
    ManyLines, // a many-line text box
    CheckBox,
    OptionButton,
    ListBox,
    ListView,
    FlexGrid,
    DataGrid,
    Frame,      // the platform's frame: a container with a caption
    GroupBox,   // a plain QGroupBox: a container that prints nothing itself
    ScrollArea, // a plain QScrollArea: its content holds the children
};

QString kindName(Kind kind);
// Containers hold other controls; of them only a frame has words.
bool isContainer(Kind kind);
// Grids and list views: what follows one starts at its printed end.
bool isGridLike(Kind kind);

struct Control
{
    Kind kind = Kind::Label;
    int parent = -1; // the container's index, -1 for the form itself
    // Twips, in the parent (a scroll area's: in its content).
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double fontSize = 8;
    bool autoSize = false;   // labels
    bool rightToLeft = false; // frames, lists and grids that have the property
    // How many words: a caption's or a text's; a many-line box's, list's or
    // grid's count of lines, entries or rows.
    int words = 1;
    int wordsPerLine = 1; // a many-line box's
    int columns = 1;      // grids and list views
    // A scroll area's content size in twips.
    int contentWidth = 0;
    int contentHeight = 0;
};

struct Form
{
    qint64 seed = -1; // -1 for a form made by hand
    bool rightToLeft = false;
    QList<Control> controls;

    // Adds a control and gives its index.
    int add(const Control& control);
    // Every token control `index` shows, in its own order.
    QStringList tokens(int index) const;
    // The control a printed word belongs to; -1 for none of them.
    static int owner(const QString& word);
    // The control's box in twips on the form (containers' places added; a
    // scroll area's content at its unscrolled place).
    struct Box
    {
        int left, top, right, bottom;
    };
    Box formBox(int index) const;
    // The control and every container around it lie inside a scroll area.
    int scrollAreaOf(int index) const;
    // A readable listing of every control, to replay a failure by hand.
    QString dump() const;
};

// Each control's text colour: one of `Hues` hues, dark enough to be ink.
// A colour blended with white or grey (smoothed letter edges, fills) keeps
// its hue, so the hue of a pixel tells the control it came from, up to
// controls `Hues` apart. `hueOwner` gives that index mod `Hues`, -1 for a
// colour of too little hue.
constexpr int Hues = 36;
QRgb colourOf(int index);
int hueOwner(QRgb colour);

// A form made from `seed`, the same on every machine.
Form generate(quint32 seed);

// Makes the widgets of `form` on `host`; models the grids need live in
// `keep`, which must outlive the widgets' use.
void build(const Form& form, QWidget* host, std::vector<std::unique_ptr<QObject>>& keep);

} // namespace FormCheck

// The field history's drop-down lists on the new-ticket and look-up screens.

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"

using namespace platform;

namespace {

// The combos each history list serves on the two screens.
struct ServedCombos
{
    FieldHistory::List list;
    int newTicket;
    int lookUp;
};

constexpr ServedCombos Served[] = {
    {FieldHistory::Title1, 0, 13},   {FieldHistory::Title2, 1, 12},
    {FieldHistory::Supplier, 2, 11}, {FieldHistory::Description, 3, 10},
    {FieldHistory::Fit, 5, 8},
};

} // namespace

void MainFrm::UpdateAddRecComboHist()
{
    FieldHistory& history = m_store.History;
    // The texts are kept in the tags: refilling a list empties its text.
    for (const ServedCombos& served : Served) {
        ComboBox* combo = Combo1[size_t(served.newTicket)];
        combo->setTag(combo->Text());
    }
    // A value already in its list keeps its place; a new one goes on top.
    for (const ServedCombos& served : Served) {
        const QString text = Combo1[size_t(served.newTicket)]->Tag();
        if (history.takesNewValue(served.list, text))
            history.pushNewValue(served.list, text);
    }
    for (const ServedCombos& served : Served)
        Combo1[size_t(served.newTicket)]->Clear();
    for (const ServedCombos& served : Served) {
        ComboBox* combo = Combo1[size_t(served.newTicket)];
        for (const QString& entry : history.shownEntries(served.list))
            combo->AddItem(entry);
    }
    for (const ServedCombos& served : Served) {
        ComboBox* combo = Combo1[size_t(served.newTicket)];
        combo->setText(combo->Tag());
    }
}

void MainFrm::UpdateLookUpRecComboHist()
{
    Text1[3]->setText(QString());
    for (const ServedCombos& served : Served)
        Combo1[size_t(served.lookUp)]->Clear();
    for (const ServedCombos& served : Served) {
        ComboBox* combo = Combo1[size_t(served.lookUp)];
        for (const QString& entry : m_store.History.shownEntries(served.list))
            combo->AddItem(entry);
    }
}

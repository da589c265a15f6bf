#pragma once

// The entries of the settings file "Brevox.ps" that the print engine and the
// designer's preview read, by index. A toggle is on when its entry is "YES".
namespace SettingEntry {

enum Index : int
{
    CostCodeOnTicket = 0,
    DescriptionBelow = 1, // swing tag: the description joins the barcode line
    SupplierBelow = 4,    // swing tag: the supplier line goes under the barcode line
    HideSupplier = 5,
    HideDescription = 6,
    CurrencySymbolEntry = 7,
    HideGroupAndDepartment = 8,
    HideSupplierCode = 9,
    HidePrice = 10,
    PromptDateCode = 11,
    PromptReference = 12,
    DescriptionAsRrp = 13
};

} // namespace SettingEntry

#include "messages/messagetable.h"

#include "document/runtimetexts.h"

namespace {

// Texts of Qt that this program shows and whose Polish wording is ours: the message-box buttons with
// their access keys, the captions of our message boxes, and two key names that Qt's own Polish
// translation swaps.
const CatalogueRow kQtRows[] = {
    // Standard buttons of message boxes and button boxes.
    {"QPlatformTheme", "OK", "&OK"},
    {"QPlatformTheme", "&Yes", "&Tak"},
    {"QPlatformTheme", "&No", "&Nie"},
    {"QPlatformTheme", "Cancel", "&Anuluj"},
    {"QPlatformTheme", "Help", "&Pomoc"},
    {"QPlatformTheme", "Abort", "Prz&erwij"},
    {"QPlatformTheme", "Retry", "Powtó&rz"},
    {"QPlatformTheme", "Ignore", "&Ignoruj"},
    {"QPlatformTheme", "Yes to &All", "&Tak na wszystkie"},
    {"QPlatformTheme", "N&o to All", "N&ie na wszystkie"},
    {"QPlatformTheme", "Close", "&Zamknij"},
    {"QPlatformTheme", "Save", "&Zapisz"},
    {"QPlatformTheme", "Save All", "Zapisz &wszystkie"},
    {"QPlatformTheme", "Open", "&Otwórz"},
    {"QPlatformTheme", "Discard", "&Odrzuć"},
    {"QPlatformTheme", "Apply", "&Zastosuj"},
    {"QPlatformTheme", "Reset", "&Przywróć"},
    {"QPlatformTheme", "Restore Defaults", "Przywróć &domyślne"},
    // The same buttons as the GNOME platform theme names them.
    {"QGnomeTheme", "&OK", "&OK"},
    {"QGnomeTheme", "&Cancel", "&Anuluj"},
    {"QGnomeTheme", "&Save", "&Zapisz"},
    {"QGnomeTheme", "&Close", "&Zamknij"},
    {"QGnomeTheme", "Close without Saving", "Zamknij &bez zapisywania"},
    {"QDialogButtonBox", "OK", "&OK"},
    // Captions of the program's message boxes.
    {"QMessageBox", "Confirm", "Potwierdzenie"},
    {"QMessageBox", "Warning", "Ostrzeżenie"},
    {"QMessageBox", "Error", "Błąd"},
    {"QMessageBox", "Information", "Informacja"},
    // Qt's Polish translation has these two the wrong way round.
    {"QShortcut", "Page Up", "Strona w górę"},
    {"QShortcut", "Page Down", "Strona w dół"},
};

std::vector<CatalogueRow> buildRows()
{
    std::vector<CatalogueRow> rows(std::begin(kQtRows), std::end(kQtRows));
    for (const RuntimeText &text : RuntimeTexts())
        rows.push_back({"RunTime", text.english, text.polish});
    return rows;
}

} // namespace

const std::vector<CatalogueRow> &CatalogueRows()
{
    static const std::vector<CatalogueRow> rows = buildRows();
    return rows;
}

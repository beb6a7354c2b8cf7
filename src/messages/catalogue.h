#pragma once
// The Polish message catalogue. Qt's built-in texts (message-box buttons, context menus of text
// fields, key names, dialogs) come from Qt's Polish translations; our own table lies over them where
// this program's texts differ, and adds the captions and the run-time messages of our error types.

#include <QString>

class QCoreApplication;

/// Installs the catalogue for the rest of the run: Qt's Polish translations, then our table, and
/// Polish as the default locale (month and weekday names, number formats of Qt's widgets).
/// Call right after creating the application object, before any window. A second call does nothing.
void InstallMessageCatalogue(QCoreApplication &app);

/// Captions of the program's message boxes.
QString ConfirmCaption();      ///< "Potwierdzenie", the save question
QString WarningCaption();      ///< "Ostrzeżenie"
QString ErrorCaption();        ///< "Błąd", the application's error box
QString InformationCaption();  ///< "Informacja"

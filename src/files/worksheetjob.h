#pragma once
// The window's "Arkusz do druku…": the worksheet of the clicked document or of every document of the
// documents folder, written as Result/Arkusz.pdf after a question before it replaces one. The dialog
// that asks lives with the window; tests answer without it.

#include "files/programfolders.h"
#include "files/userdialogs.h"
#include "files/worksheet.h"

#include <QString>
#include <QStringList>

/// What the worksheet dialog chooses.
struct WorksheetChoice {
    bool all = false;  ///< every document of the documents folder; false: the clicked one
    WorksheetOptions options;
};

class WorksheetDialogs {
public:
    virtual ~WorksheetDialogs() = default;
    /// Asks which documents and how; clicked is the clicked document's file name (empty: none, so
    /// only all can be chosen). False when cancelled; choice comes in as the last answer.
    virtual bool AskWorksheet(const QString &clicked, WorksheetChoice &choice) = 0;
};

/// The worksheet's file in the documents folder.
inline const QString WorksheetFileName = QStringLiteral("Arkusz.pdf");

/// Writes the worksheet of choice to the documents folder: clicked or every name of listed (file
/// names in that folder, in list order). Asks before replacing the file (No: nothing is written);
/// documents that cannot be read are left out and named in one error box, as is a file that cannot
/// be written. Returns the path written, empty when nothing was; status gets the status bar's note.
QString WriteFolderWorksheet(const ProgramFolders &folders, const QStringList &listed, const QString &clicked,
                             const WorksheetChoice &choice, UserDialogs &dialogs, QString &status);

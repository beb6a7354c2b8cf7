#pragma once
// The environment checks made before the editor opens: the program's folders, write access to the
// documents folder, the seven reference files, and the screen's density and size.

#include "files/programfolders.h"
#include "files/userdialogs.h"

#include <QString>
#include <QStringList>

/// The files that must exist in Base_B, in the order they are checked.
const QStringList &RequiredFiles();

/// Main window width and height in pixels.
constexpr int ProgramWidth = 1230, ProgramHeight = 765;

/// What start-up needs to know of the primary screen.
struct ScreenFacts {
    int width = 0, height = 0;  ///< pixels
    int dpi = 96;               ///< logical pixels per inch
};

/// The outcome of the checks; any flag set refuses the start.
struct CheckFlags {
    bool Miss_Write = false;
    bool Miss_Base = false;
    bool Miss_LCD = false;
    bool Refused() const { return Miss_Write || Miss_Base || Miss_LCD; }
};

/// Creates (or empties) folder + "_.$$$" and deletes it; clears flag only when that worked.
void ProbeWriteAccess(const QString &folder, bool &flag);
/// True, after telling the user "Brak <path>", when no file exists at path.
bool CheckRequiredFile(const QString &path, UserDialogs &dialogs);

void ShowWriteRightsMessage(UserDialogs &dialogs);
void ShowScreenDpiMessage(UserDialogs &dialogs, int ppi);
void ShowScreenSizeMessage(UserDialogs &dialogs, int screenWidth, int screenHeight, int programWidth,
                           int programHeight);

/// Steps 4 to 8 of the start: write probe, required files, density, size. Stops at the first
/// refusal; the density only warns.
CheckFlags RunStartupChecks(const ProgramFolders &folders, const ScreenFacts &screen, UserDialogs &dialogs);

#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QStringList &RequiredFiles()
{
    static const QStringList files = {"A.pn", "B.pn", "C.pn", "D.bb", "E.bt", "F.de", "G.wo"};
    return files;
}

void ProbeWriteAccess(const QString &folder, bool &flag)
{
    QFile probe(folder + "_.$$$");
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    probe.close();
    probe.remove();
    flag = false;
}

bool CheckRequiredFile(const QString &path, UserDialogs &dialogs)
{
    if (QFileInfo(path).isFile())
        return false;
    dialogs.Inform(QStringLiteral("Brak ") + QDir::toNativeSeparators(path),
                   QStringLiteral("Program nie może być uruchomiony"));
    return true;
}

void ShowWriteRightsMessage(UserDialogs &dialogs)
{
    dialogs.Inform(QStringLiteral("Program wymaga uprawnień do zapisu na dysku i nie może być uruchomiony "
                                  "bez tych uprawnień."),
                   QStringLiteral("Uprawnienia programu"));
}

void ShowScreenDpiMessage(UserDialogs &dialogs, int ppi)
{
    dialogs.Inform(QStringLiteral("Rozdzielczość monitora jest ustawiona niestandardowo na %1 ppi - ale program "
                                  "zostanie uruchomiony").arg(ppi),
                   QStringLiteral("Rozdzielczość monitora w ppi"));
}

void ShowScreenSizeMessage(UserDialogs &dialogs, int screenWidth, int screenHeight, int programWidth,
                           int programHeight)
{
    dialogs.Inform(QStringLiteral("Wielkość monitora wynosi %1 × %2. Wielkość programu to %3 × %4. Program nie "
                                  "mieści się na ekranie monitora i nie zostanie uruchomiony.")
                       .arg(screenWidth).arg(screenHeight).arg(programWidth).arg(programHeight),
                   QStringLiteral("Własności MONITORA"));
}

CheckFlags RunStartupChecks(const ProgramFolders &folders, const ScreenFacts &screen, UserDialogs &dialogs)
{
    CheckFlags flags;
    flags.Miss_Write = true;
    ProbeWriteAccess(folders.Base_R, flags.Miss_Write);
    if (flags.Miss_Write) {
        ShowWriteRightsMessage(dialogs);
        return flags;
    }
    for (const QString &name : RequiredFiles()) {
        flags.Miss_Base = CheckRequiredFile(folders.Base_B + name, dialogs);
        if (flags.Miss_Base)
            return flags;
    }
    if (screen.dpi != 96)
        ShowScreenDpiMessage(dialogs, screen.dpi);
    if (QFileInfo::exists(folders.Base_B + "H.hi"))
        return flags;
    if (screen.width < ProgramWidth || screen.height < ProgramHeight) {
        ShowScreenSizeMessage(dialogs, screen.width, screen.height, ProgramWidth, ProgramHeight);
        flags.Miss_LCD = true;
    }
    return flags;
}

#include "files/programfolders.h"

#include <QDir>

ProgramFolders ProgramFolders::Beside(const QString &executableFolder)
{
    QString root = QDir::fromNativeSeparators(executableFolder);
    if (!root.endsWith('/'))
        root += '/';
    return {root, root + "Base/", root + "Result/", root + "Work/"};
}

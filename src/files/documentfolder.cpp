#include "files/documentfolder.h"

#include "document/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::Of(const QString &path)
{
    const QFileInfo f(path);
    if (!f.exists())
        return {path, {}, -1};
    return {path, f.lastModified(), f.size()};
}

SaveTarget CheckSaveTarget(const FileStamp &openFile, const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists())
        return SaveTarget::NewFile;
    if (openFile.path.isEmpty() || QFileInfo(openFile.path).absoluteFilePath() != target.absoluteFilePath())
        return SaveTarget::OtherDocument;
    return FileStamp::Of(path) == openFile ? SaveTarget::OwnFile : SaveTarget::OwnFileChanged;
}

bool IsInterruptedSaveName(const QString &name)
{
    return IsTemporaryName(QFile::encodeName(name).toStdString())
           || name.endsWith(QLatin1String(InterruptedSaveSuffix), Qt::CaseSensitive);
}

void RemoveInterruptedSaves(const QString &folder)
{
    const QDir dir(folder);
    const QDir::Filters plainFiles = QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks | QDir::CaseSensitive;
    for (const QFileInfo &f : dir.entryInfoList({QStringLiteral("*~")}, plainFiles, QDir::NoSort))
        if (IsInterruptedSaveName(f.fileName()))
            QFile::remove(f.absoluteFilePath());
}

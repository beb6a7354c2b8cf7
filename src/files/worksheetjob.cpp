#include "files/worksheetjob.h"

#include "document/textformat.h"
#include "files/documentpictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

QString WriteFolderWorksheet(const ProgramFolders &folders, const QStringList &listed, const QString &clicked,
                             const WorksheetChoice &choice, UserDialogs &dialogs, QString &status)
{
    status.clear();
    const QStringList names = choice.all ? listed : QStringList{clicked};
    if (names.isEmpty() || names.first().isEmpty()) {
        status = QStringLiteral("Nie ma piktogramów do wydrukowania");
        return {};
    }
    const QString path = folders.Base_R + WorksheetFileName;
    const QString shownFolder = QDir::toNativeSeparators(QDir::cleanPath(folders.Base_R));
    if (QFileInfo::exists(path)
        && dialogs.AskYesNo(QStringLiteral("Plik „%1” już istnieje w folderze %2. Zastąpić go?").arg(WorksheetFileName, shownFolder),
                            QStringLiteral("Arkusz do druku"), UserDialogs::No)
               != UserDialogs::Yes)
        return {};

    QList<WorksheetItem> items;
    QStringList unread;
    for (const QString &name : names) {
        try {
            const QString file = folders.Base_R + name;
            items.append({WorksheetName(name),
                          ParseDocument(LoadPictoLines(file.toStdString()), name.toStdString())});
        } catch (const std::exception &e) {
            unread << QString::fromUtf8(e.what());
        }
    }
    int pages = 0;
    if (!items.isEmpty()) {
        try {
            pages = WriteWorksheet(items, LoadStartPicture(folders.Base_B), choice.options, path);
        } catch (const std::exception &e) {
            // Nothing was written whole: an older worksheet stays as it was.
            dialogs.Error(QString::fromUtf8(e.what()));
            return {};
        }
    }
    if (!unread.isEmpty())
        dialogs.Error((items.isEmpty() ? QStringLiteral("Arkusz nie został zapisany: żaden piktogram nie dał się odczytać.\n\n")
                                       : QStringLiteral("Tych piktogramów nie ma na arkuszu, bo nie dały się odczytać:\n\n"))
                      + unread.join('\n'));
    if (items.isEmpty())
        return {};
    status = QStringLiteral("Arkusz do druku został zapisany jako „%1” w folderze %2 (stron: %3)")
                 .arg(WorksheetFileName, shownFolder)
                 .arg(pages);
    return path;
}

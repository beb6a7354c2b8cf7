#pragma once
// What lies in the documents folder: whether a save would replace a document the user has not
// seen, and the leftovers of saves that were cut short. No widgets: the window asks the questions.

#include <QDateTime>
#include <QString>

/// A document file as the program last read or wrote it, to notice a change made by someone else
/// (a class often shares one documents folder on a network drive).
struct FileStamp {
    QString path;  ///< empty: the open document has no file yet (new, not saved)
    QDateTime modified;
    qint64 size = -1;

    /// The file at path as it is now (modified invalid and size -1 when it does not exist).
    static FileStamp Of(const QString &path);
    bool operator==(const FileStamp &other) const = default;
};

/// What writing a document to a path would do.
enum class SaveTarget {
    NewFile,         ///< nothing of that name exists
    OwnFile,         ///< the open document's own file, unchanged since it was read or written
    OwnFileChanged,  ///< the open document's own file, changed on disk since then
    OtherDocument,   ///< another document of that name exists
};

/// openFile: the stamp of the open document's file; path: where the save would write.
SaveTarget CheckSaveTarget(const FileStamp &openFile, const QString &path);

/// The ending of the temporary files that earlier versions of the program wrote beside a document.
inline constexpr char InterruptedSaveSuffix[] = ".vkz.zapis~";

/// Whether a file name is that of a temporary file a save writes before renaming it over the
/// document (IsTemporaryName), or one of the form earlier versions used ("X.vkz.zapis~").
bool IsInterruptedSaveName(const QString &name);

/// Removes from folder the temporary files left by saves that never finished: plain files whose
/// names are those of IsInterruptedSaveName, nothing else.
void RemoveInterruptedSaves(const QString &folder);

#pragma once
// Copies of unsaved documents, kept so that a crash or a power cut loses no work: the open document's
// text is written after its edits, removed once the changes are saved or dropped, and offered again
// at the next start when the program did not end normally.

#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

class RecoveryStore {
public:
    /// folder: where the copies live (the program's Work/odzysk/), ending with a separator; it is
    /// made by the first write.
    explicit RecoveryStore(QString folder);

    const QString &Folder() const { return m_folder; }
    /// The copy of the document whose file name (CFName) is name.
    QString PathFor(const QString &name) const;
    /// Writes the document's lines to its copy the way a document is saved (temporary file renamed
    /// over the copy), so a copy is always either the old text or the new one, but without waiting
    /// for the disk. Throws FileError.
    void Write(const QString &name, const std::vector<std::string> &lines);
    /// Removes the copy of name; nothing happens when there is none.
    void Remove(const QString &name);

    /// A copy worth offering: newer than its document in the documents folder, or without one.
    struct Offer {
        QString name;                    ///< the document's file name
        QDateTime written;               ///< when the copy was last written (local time)
        std::vector<std::string> lines;  ///< its text, read back whole
    };
    /// A copy that does not read back whole; it is renamed to keptAs and never offered again.
    struct Damaged {
        QString name;    ///< the document's file name
        QString keptAs;  ///< the file name it now has in the folder
        QString reason;  ///< why it could not be read (Polish)
    };
    struct Found {
        std::vector<Offer> offers;  ///< in name order
        std::vector<Damaged> damaged;
    };
    /// Looks at every copy against documentsFolder: a copy not newer than its document is stale and
    /// removed, a damaged one is set aside, and leftovers of interrupted writes are removed.
    Found Scan(const QString &documentsFolder);

    /// Date and time as the questions show them, e.g. "10.12.2026 14:05".
    static QString FormatWhen(const QDateTime &t);
    /// What a damaged copy is renamed to: "<name>.uszkodzony".
    static QString DamagedName(const QString &name);

private:
    QString m_folder;
};

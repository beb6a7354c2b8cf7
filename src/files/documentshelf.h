#pragma once
// The file workflow of the editor without widgets: the program's folders, the open document and its
// file, the document list, and new, open, save, save as, delete, export, the save question and the
// copies of unsaved changes. Questions go through UserDialogs and NameDialogs; what the window shows
// comes out as return values and the On… callbacks it sets.

#include "document/session.h"
#include "files/documentfolder.h"
#include "files/documentlist.h"
#include "files/documentpictures.h"
#include "files/namedialogs.h"
#include "files/programfolders.h"
#include "files/recoverystore.h"
#include "files/userdialogs.h"

#include <QObject>

#include <functional>

class DocumentShelf {
public:
    /// dialogs and names are not owned; names may come later (SetNameDialogs). Without name dialogs
    /// nobody can answer: New and a save that needs a name do nothing.
    DocumentShelf(const ProgramFolders &folders, UserDialogs &dialogs, NameDialogs *names = nullptr);

    void SetNameDialogs(NameDialogs *names) { m_names = names; }
    /// The pictures thumbnails and exports are drawn on; plain ones until the window gives its own.
    void SetBackdrop(const DocumentBackdrop &backdrop) { m_backdrop = backdrop; }

    const ProgramFolders &Folders() const { return m_folders; }
    PictoSession &Session() { return m_session; }
    PictoDocument &Doc() { return m_session.doc; }
    /// The documents of the documents folder in list order.
    const QStringList &Names() const { return m_list.Items; }
    /// The list entry of the open document, -1 when it has none (new, or nothing open).
    int OpenEntry() const { return m_list.ItemIndex; }
    /// The open document's file as it was last read or written (path empty: never saved).
    const FileStamp &OpenFile() const { return m_openFile; }

    // What the window shows; each may stay unset.
    std::function<void(const QString &)> OnStatus;  ///< a note for the status bar ("" clears it)
    std::function<void()> OnListChanged;            ///< the list was read afresh
    std::function<void()> OnShowOpenEntry;          ///< the list's highlight goes back to the open entry
    std::function<void()> OnNameChanged;            ///< the open document's name or saved state changed
    std::function<void()> OnOpened;                 ///< a document was read from the list or recovered

    /// Reads the list afresh and opens its first document (an error is shown, nothing opens).
    /// False when the list is empty.
    bool OpenFirst();
    /// Opens the document of list row row after the save question. False when nothing was opened
    /// (no such row, or Anuluj); throws FileError or DocumentError, the open document kept.
    bool OpenListed(int row);
    /// New: the save question, then the name dialog; the document exists in memory only. True when created.
    bool NewPicto();
    /// Save (saveAs false, also the save question) or Save As. True when the document was written.
    bool Save(bool saveAs);
    /// "Czy zapisać zmiany?" when the document is modified; false when the caller must not go on.
    bool QuerySaveChanges();
    /// Deletes the document of list row row (never the open one) with its thumbnail and picture,
    /// after the save question and its own question, then opens the first document.
    void DeleteListed(int row);
    enum class Export { NoDocument, Failed, Written };
    /// Writes the open document's picture beside it as .png.
    Export ExportPng();

    /// Offers the copies of unsaved changes a previous run left; Tak opens one, modified.
    void OfferRecovery();

private:
    void refreshNames();
    void opened(const QString &name, const FileStamp &file);
    bool chooseSaveName(bool askName, QString &name);
    void status(const QString &text);
    void showOpenEntry();
    void nameChanged();
    void scheduleRecovery();
    void flushRecovery();
    void openRecovered(const RecoveryStore::Offer &offer);

    ProgramFolders m_folders;
    UserDialogs &m_dialogs;
    NameDialogs *m_names;
    PictoSession m_session;
    SortedNameList m_list;
    FileStamp m_openFile;
    DocumentBackdrop m_backdrop;
    RecoveryStore m_recovery;
    QObject m_queue;  ///< the receiver of the queued recovery write; goes with the shelf
    bool m_recoveryPosted = false;
    bool m_recoveryFailed = false;
};

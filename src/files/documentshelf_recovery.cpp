// Copies of the unsaved document in Work/odzysk/: written after its edits, dropped with its changes,
// offered at the next start when the program did not end normally.
#include "files/documentshelf.h"

#include "document/textformat.h"
#include "messages/catalogue.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

void DocumentShelf::scheduleRecovery()
{
    // Once per turn of the event loop: one edit sends several notifications, its copy is written once.
    if (m_recoveryPosted)
        return;
    m_recoveryPosted = true;
    QMetaObject::invokeMethod(&m_queue, [this] { flushRecovery(); }, Qt::QueuedConnection);
}

void DocumentShelf::flushRecovery()
{
    m_recoveryPosted = false;
    const QString name = QString::fromStdString(m_session.doc.CFName);
    if (name.isEmpty())
        return;
    // The copy follows RModif: undoing every step leaves nothing unsaved, so nothing to recover.
    if (!m_session.doc.RModif) {
        m_recovery.Remove(name);
        return;
    }
    try {
        m_recovery.Write(name, m_session.rve_Items.Lines());
        m_recoveryFailed = false;
    } catch (const std::exception &e) {
        // Said once, not at every edit: the open document itself is untouched.
        if (!m_recoveryFailed)
            m_dialogs.Error(QStringLiteral("Nie można zapisać kopii niezapisanych zmian, która chroni je przed "
                                           "awarią komputera.\n%1\nZapisz piktogram, aby ich nie stracić.")
                                .arg(QString::fromUtf8(e.what())));
        m_recoveryFailed = true;
    }
}

void DocumentShelf::OfferRecovery()
{
    const RecoveryStore::Found found = m_recovery.Scan(m_folders.Base_R);
    for (const RecoveryStore::Damaged &bad : found.damaged)
        m_dialogs.Error(QStringLiteral("Niezapisane zmiany piktogramu „%1” są uszkodzone i nie zostaną przywrócone. "
                                       "Plik odłożono jako „%2” w folderze %3.\n%4")
                            .arg(bad.name, bad.keptAs, QDir::toNativeSeparators(m_recovery.Folder()), bad.reason));
    for (const RecoveryStore::Offer &offer : found.offers) {
        const QString question = QStringLiteral("Znaleziono niezapisane zmiany piktogramu „%1” z %2. Przywrócić je?")
                                     .arg(offer.name, RecoveryStore::FormatWhen(offer.written));
        // Enter restores: taking the changes back loses nothing, dropping them cannot be undone.
        const UserDialogs::Answer answer = m_dialogs.AskYesNo(question, ConfirmCaption(), UserDialogs::Yes);
        if (answer == UserDialogs::Yes) {
            // One document is open at a time: the copies not yet offered wait for the next start.
            RunGuarded(m_dialogs, [&] { openRecovered(offer); });
            return;
        }
        if (answer == UserDialogs::No)
            m_recovery.Remove(offer.name);
    }
}

void DocumentShelf::openRecovered(const RecoveryStore::Offer &offer)
{
    const QString name = offer.name;
    const QString path = m_folders.Base_R + name;
    // The saved version first, so that undo leads back to it; a document never saved (or one that no
    // longer reads) starts from the empty document.
    bool saved = false;
    if (QFileInfo::exists(path)) {
        try {
            m_session.LoadPicto(path.toStdString(), name.toStdString());
            saved = true;
        } catch (const std::exception &) {
        }
    }
    if (!saved)
        m_session.FillTemplate(EmptyDocumentTemplate(), name.toStdString());
    // One recorded edit: RModif and the status bar say "modified", as after any edit.
    m_session.RestoreText(offer.lines);
    opened(name, saved ? FileStamp::Of(path) : FileStamp());
    nameChanged();
}

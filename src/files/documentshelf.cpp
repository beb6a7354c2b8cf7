// New, open, save, save as, delete, the save question and the export of the open document.
#include "files/documentshelf.h"

#include "document/textformat.h"
#include "messages/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

DocumentShelf::DocumentShelf(const ProgramFolders &folders, UserDialogs &dialogs, NameDialogs *names)
    : m_folders(folders), m_dialogs(dialogs), m_names(names), m_backdrop(DocumentBackdrop::Plain()),
      m_recovery(folders.Base_W + "odzysk/")
{
    m_session.OnChanged = [this] { scheduleRecovery(); };
}

void DocumentShelf::status(const QString &text)
{
    if (OnStatus)
        OnStatus(text);
}

void DocumentShelf::showOpenEntry()
{
    if (OnShowOpenEntry)
        OnShowOpenEntry();
}

void DocumentShelf::nameChanged()
{
    if (OnNameChanged)
        OnNameChanged();
}

void DocumentShelf::refreshNames()
{
    m_list.Clear();
    RemoveInterruptedSaves(m_folders.Base_R);
    ListFiles(m_list, m_folders.Base_R, "*.vkz");
}

void DocumentShelf::opened(const QString &name, const FileStamp &file)
{
    m_openFile = file;
    m_list.ItemIndex = m_list.IndexOf(name);
    if (OnOpened)
        OnOpened();
}

bool DocumentShelf::OpenFirst()
{
    refreshNames();
    // The first entry becomes the open document once it has been read: one that cannot be read
    // must stay deletable.
    m_list.ItemIndex = -1;
    if (OnListChanged)
        OnListChanged();
    if (m_list.Items.isEmpty())
        return false;
    RunGuarded(m_dialogs, [this] { OpenListed(0); });
    return true;
}

bool DocumentShelf::OpenListed(int row)
{
    if (row < 0 || row >= m_list.Items.size())
        return false;  // nothing chosen
    const QString chosen = m_list.Items[row];
    if (m_session.doc.RModif && !QuerySaveChanges()) {
        showOpenEntry();
        return false;
    }
    // Read first: a document that cannot be read leaves the open one exactly as it was.
    const QString path = m_folders.Base_R + chosen;
    try {
        m_session.LoadPicto(path.toStdString(), chosen.toStdString());
    } catch (...) {
        showOpenEntry();
        throw;
    }
    opened(chosen, FileStamp::Of(path));
    return true;
}

bool DocumentShelf::QuerySaveChanges()
{
    if (!m_session.doc.RModif)
        return true;
    switch (m_dialogs.AskYesNoCancel(QStringLiteral("Czy zapisać zmiany?"), ConfirmCaption())) {
    case UserDialogs::Yes:
        // A save that fails keeps the changes and the caller's action does not happen. A document
        // without layers has nothing to write: it is settled as by Nie.
        if (m_session.doc.Dimension > 0)
            return Save(false);
        [[fallthrough]];
    case UserDialogs::No:
        m_session.doc.RModif = false;
        m_recovery.Remove(QString::fromStdString(m_session.doc.CFName));
        nameChanged();
        return true;
    default:
        return false;
    }
}

bool DocumentShelf::NewPicto()
{
    if (m_session.doc.RModif && !QuerySaveChanges())
        return false;
    QString name;
    bool example = false;
    if (m_names == nullptr || !m_names->AskNewPicto(name, example))
        return false;
    // The new document exists only in memory until it is saved; the document list stays as it was.
    m_session.FillTemplate(example ? ExampleDocumentTemplate() : EmptyDocumentTemplate(), name.toStdString());
    m_openFile = FileStamp();
    // The open document is no longer one of the list: no thumbnail stands for it.
    m_list.ItemIndex = -1;
    return true;
}

bool DocumentShelf::chooseSaveName(bool askName, QString &name)
{
    for (;;) {
        if (askName && (m_names == nullptr || !m_names->AskSaveName(name)))
            return false;
        QString question;
        switch (CheckSaveTarget(m_openFile, m_folders.Base_R + name)) {
        case SaveTarget::NewFile:
        case SaveTarget::OwnFile:
            return true;
        case SaveTarget::OtherDocument:
            question = QStringLiteral("Piktogram „%1” już istnieje. Zastąpić go?");
            break;
        case SaveTarget::OwnFileChanged:
            question = QStringLiteral("Piktogram „%1” został w międzyczasie zmieniony. Zastąpić go?");
            break;
        }
        switch (m_dialogs.AskYesNo(question.arg(name), ConfirmCaption(), UserDialogs::No)) {
        case UserDialogs::Yes: return true;
        case UserDialogs::No: askName = true; break;  // another name, in the name dialog
        default: return false;                        // nobody answered: nothing is written
        }
    }
}

bool DocumentShelf::Save(bool saveAs)
{
    PictoDocument &d = m_session.doc;
    if (d.Dimension == 0) {
        status(d.CFName.empty() ? QStringLiteral("Najpierw utwórz piktogram")
                                : QStringLiteral("Piktogram bez warstw nie jest zapisywany"));
        return false;
    }
    QString name = QString::fromStdString(d.CFName);
    if (!chooseSaveName(saveAs, name))
        return false;
    try {
        // Only a text that reads back whole is written (the developers' text page accepts any typing).
        ParseDocument(m_session.rve_Items.Lines(), name.toStdString());
        // Written through a temporary file: a failure leaves the old file, RModif and the name as they were.
        m_session.SaveTo((m_folders.Base_R + name).toStdString());
    } catch (const std::exception &e) {
        m_dialogs.Error(QString::fromUtf8(e.what()));
        return false;
    }
    m_recovery.Remove(QString::fromStdString(d.CFName));
    m_recovery.Remove(name);
    d.CFName = name.toStdString();
    m_openFile = FileStamp::Of(m_folders.Base_R + name);
    refreshNames();
    m_list.ItemIndex = m_list.IndexOf(name);
    QString note = QStringLiteral("Obraz piktogramu został zapisany: „%1”").arg(name);
    try {
        WriteDocumentThumb(d, m_backdrop.texture, m_folders.Base_R + name.left(name.size() - 4) + ".bmp");
    } catch (const std::exception &e) {
        // The document is saved, its thumbnail is not: say so, and claim no success.
        note.clear();
        m_dialogs.Error(QString::fromUtf8(e.what()));
    }
    status(note);
    if (OnListChanged)
        OnListChanged();
    nameChanged();
    return true;
}

void DocumentShelf::DeleteListed(int row)
{
    if (row < 0 || row >= m_list.Items.size() || row == m_list.ItemIndex)
        return;
    const QString name = m_list.Items[row];
    // The open document is settled first, since the first document is opened afterwards; Anuluj
    // there, or Nie to the question below, leaves every file as it was.
    if (m_session.doc.RModif && !QuerySaveChanges()) {
        showOpenEntry();
        return;
    }
    // A save rebuilds the list, and Save As may even have taken this very name.
    const int at = m_list.IndexOf(name);
    if (at < 0 || at == m_list.ItemIndex
        || m_dialogs.AskYesNo(QStringLiteral("Czy usunąć piktogram „%1”?").arg(name), ConfirmCaption(),
                              UserDialogs::No)
               != UserDialogs::Yes) {
        showOpenEntry();
        return;
    }
    const QString base = m_folders.Base_R + name.left(name.size() - 3);
    for (const char *suffix : {"png", "vkz", "bmp"})
        if (QFileInfo::exists(base + suffix))
            QFile::remove(base + suffix);
    refreshNames();
    // The open document keeps its entry (none while it is new) until the first one is really opened.
    m_list.ItemIndex =
        m_openFile.path.isEmpty() ? -1 : m_list.IndexOf(QString::fromStdString(m_session.doc.CFName));
    if (OnListChanged)
        OnListChanged();
    if (!m_list.Items.isEmpty())
        OpenListed(0);
}

DocumentShelf::Export DocumentShelf::ExportPng()
{
    const PictoDocument &d = m_session.doc;
    if (d.Dimension == 0)
        return Export::NoDocument;
    const QString name = QString::fromStdString(d.CFName);
    const QString png = name.left(name.size() - 3) + "png";
    try {
        // Every export starts from the start picture, so layers without a background look the same each time.
        WriteExportPicture(d, m_backdrop.startPicture, m_folders.Base_R + png);
    } catch (const std::exception &e) {
        // Nothing was written whole: the old picture stays, and no success is claimed.
        status(QString());
        m_dialogs.Error(QString::fromUtf8(e.what()));
        return Export::Failed;
    }
    status(QStringLiteral("Obraz piktogramu został zapisany jako png „%1” w folderze %2")
               .arg(png, QDir::toNativeSeparators(QDir::cleanPath(m_folders.Base_R))));
    return Export::Written;
}

#include "files/recoverystore.h"

#include "document/atomicfile.h"
#include "document/textformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryStore::PathFor(const QString &name) const { return m_folder + name; }

void RecoveryStore::Write(const QString &name, const std::vector<std::string> &lines)
{
    if (!QFileInfo(m_folder).isDir())
        QDir().mkpath(m_folder);
    // Not synced: waiting for the disk took up to several milliseconds per edit on a busy disk. A crash
    // of the program still leaves the whole copy (the system holds it); after a power cut a copy cut
    // short is found damaged when read back, and the document itself is never touched.
    SavePictoText(PathFor(name).toStdString(), lines, false);
}

void RecoveryStore::Remove(const QString &name)
{
    if (!name.isEmpty())
        QFile::remove(PathFor(name));
}

QString RecoveryStore::FormatWhen(const QDateTime &t)
{
    return t.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

QString RecoveryStore::DamagedName(const QString &name) { return name + QStringLiteral(".uszkodzony"); }

RecoveryStore::Found RecoveryStore::Scan(const QString &documentsFolder)
{
    Found found;
    const QDir dir(m_folder);
    if (!dir.exists())
        return found;
    // A write cut short by a crash leaves its temporary file; the copy itself is still whole.
    for (const QString &left : dir.entryList({QStringLiteral("*~")}, QDir::Files | QDir::Hidden))
        if (IsTemporaryName(QFile::encodeName(left).toStdString()) || left.endsWith(QLatin1String(".zapis~")))
            QFile::remove(m_folder + left);
    const QFileInfoList copies =
        dir.entryInfoList({QStringLiteral("*.vkz")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &copy : copies) {
        const QString name = copy.fileName();
        const QFileInfo document(documentsFolder + name);
        // Saved at the same moment or later: the document already holds these changes, or newer ones.
        if (document.exists() && document.lastModified() >= copy.lastModified()) {
            QFile::remove(copy.filePath());
            continue;
        }
        try {
            std::vector<std::string> lines = LoadPictoLines(copy.filePath().toStdString());
            ParseDocument(lines, name.toStdString());
            found.offers.push_back({name, copy.lastModified(), std::move(lines)});
        } catch (const std::exception &e) {
            // Kept for whoever wants to look at it, under a name that is never offered.
            const QString aside = DamagedName(name);
            QFile::remove(m_folder + aside);
            const bool moved = QFile::rename(copy.filePath(), m_folder + aside);
            found.damaged.push_back({name, moved ? aside : name, QString::fromUtf8(e.what())});
        }
    }
    return found;
}

#include "files/filename.h"

namespace {
const QString forbidden = QStringLiteral("\"*/:<>?\\|");
const QString extension = QStringLiteral(".vkz");
}

QString FileNameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Wpisz nazwę piktogramu");
    for (const QChar c : name)
        if (forbidden.contains(c))
            return QStringLiteral("Nazwa nie może zawierać znaku „%1”").arg(c);
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("Nazwa nie może zaczynać się kropką");
    if (!name.endsWith(extension, Qt::CaseSensitive))
        return QStringLiteral("Nazwa musi kończyć się na .vkz");
    if (name.indexOf(extension, 0, Qt::CaseSensitive) != name.size() - extension.size())
        return QStringLiteral("„.vkz” może stać tylko na końcu");
    return {};
}

bool CheckFileName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name)
        if (forbidden.contains(c))
            return false;
    return true;
}

bool IsDocumentFileName(const QString &name) { return FileNameRefusal(name).isEmpty(); }

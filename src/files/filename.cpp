#include "filename.h"

bool CheckFileName(const QString &name)
{
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (forbidden.contains(c))
            return false;
    return true;
}

bool IsDocumentFileName(const QString &name)
{
    static const QString extension = QStringLiteral(".vkz");
    return CheckFileName(name) && name.endsWith(extension, Qt::CaseSensitive)
           && name.indexOf(extension, 0, Qt::CaseSensitive) == name.size() - extension.size();
}

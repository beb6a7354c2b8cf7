#include "render/fonts.h"

#include <QFontDatabase>
#include <QStringList>

QString InterfaceFontFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &wanted : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")})
        for (const QString &f : families)
            if (f.compare(wanted, Qt::CaseInsensitive) == 0)
                return f;
    return QStringLiteral("Sans Serif");
}

#include "books/bookwindows.h"

#include <QDir>
#include <QIcon>

namespace {

QString folderOf(const QString &programFolder, const QString &book)
{
    return QDir(programFolder).filePath(book) + QLatin1Char('/');
}

} // namespace

T_Help::T_Help(const QString &programFolder, ErrorReporter reportError, QWidget *parent)
    : BookWindow({QStringLiteral("Pomoc programu Merisko®"), folderOf(programFolder, QStringLiteral("Help")),
                  QSize(592, 568), 96},
                 std::move(reportError), parent)
{
    setObjectName(QStringLiteral("T_Help"));
}

T_SnowMen::T_SnowMen(const QString &programFolder, ErrorReporter reportError, QWidget *parent)
    : BookWindow({QStringLiteral("Jak narysować Bałwanka?"), folderOf(programFolder, QStringLiteral("SnowMen")),
                  QSize(592, 909), 34},
                 std::move(reportError), parent)
{
    setObjectName(QStringLiteral("T_SnowMen"));
    // The finished snowman of the last step, drawn at build time.
    setWindowIcon(QIcon(bookFolder() + QStringLiteral("ikona.png")));
}

#include "messages/catalogue.h"

#include "messages/messagetable.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

/// Our table as a translator. Installed after Qt's own, so Qt asks it first.
class TableTranslator : public QTranslator {
public:
    explicit TableTranslator(QObject *parent) : QTranslator(parent)
    {
        for (const CatalogueRow &row : CatalogueRows())
            m_texts.insert(key(row.context, row.english), QString::fromUtf8(row.polish));
    }

    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        return m_texts.value(key(context, sourceText));
    }

    bool isEmpty() const override { return false; }

private:
    static QByteArray key(const char *context, const char *source)
    {
        return QByteArray(context) + '\x04' + QByteArray(source);
    }

    QHash<QByteArray, QString> m_texts;
};

} // namespace

void InstallMessageCatalogue(QCoreApplication &app)
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    // Without Qt's Polish files our table still covers the texts users meet.
    // The program folder's own copy first (a release carries it), then the system's.
    auto *qt = new QTranslator(&app);
    if (qt->load(polish, "qtbase", "_", QCoreApplication::applicationDirPath() + "/translations")
        || qt->load(polish, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(new TableTranslator(&app));
}

QString ConfirmCaption()
{
    return QCoreApplication::translate("QMessageBox", "Confirm");
}

QString WarningCaption()
{
    return QCoreApplication::translate("QMessageBox", "Warning");
}

QString ErrorCaption()
{
    return QCoreApplication::translate("QMessageBox", "Error");
}

QString InformationCaption()
{
    return QCoreApplication::translate("QMessageBox", "Information");
}

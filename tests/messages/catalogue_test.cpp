#include "messages/catalogue.h"

#include "document/errors.h"
#include "document/textformat.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

/// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

QApplication &app()
{
    static int argc = 1;
    static char name[] = "messages_tests";
    static char *argv[] = {name, nullptr};
    static QApplication a(argc, argv);
    static const bool installed = (InstallMessageCatalogue(a), true);
    (void)installed;
    return a;
}

} // namespace

TEST(MessageCatalogue, SaveQuestionIsPolish)
{
    app();
    // Built as the save question builds it: caption, text and the three standard buttons.
    QMessageBox box(QMessageBox::Question, ConfirmCaption(), QStringLiteral("Zapisać zmiany?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Potwierdzenie"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Tak"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nie"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("&Anuluj"));
}

TEST(MessageCatalogue, OtherButtonsAndCaptions)
{
    app();
    const struct {
        QMessageBox::StandardButton button;
        const char *text;
    } buttons[] = {
        {QMessageBox::Ok, "&OK"},           {QMessageBox::Help, "&Pomoc"},
        {QMessageBox::Abort, "Prz&erwij"},  {QMessageBox::Retry, "Powtó&rz"},
        {QMessageBox::Ignore, "&Ignoruj"},  {QMessageBox::NoToAll, "N&ie na wszystkie"},
        {QMessageBox::YesToAll, "&Tak na wszystkie"},
    };
    for (const auto &b : buttons) {
        QMessageBox box(QMessageBox::Information, InformationCaption(), QString(), b.button);
        EXPECT_EQ(box.button(b.button)->text(), QString::fromUtf8(b.text));
    }
    EXPECT_EQ(WarningCaption(), QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(ErrorCaption(), QStringLiteral("Błąd"));
    EXPECT_EQ(InformationCaption(), QStringLiteral("Informacja"));
}

TEST(MessageCatalogue, QtTextsComeFromQtsPolishTranslation)
{
    app();
    // The context menu of a text field, as Qt builds it.
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "Select All"), QStringLiteral("Zaznacz wszystko"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("&Wklej"));
    // Two key names Qt's translation swaps, put right by ours.
    EXPECT_EQ(QCoreApplication::translate("QShortcut", "Page Up"), QStringLiteral("Strona w górę"));
    EXPECT_EQ(QCoreApplication::translate("QShortcut", "Page Down"), QStringLiteral("Strona w dół"));
    EXPECT_EQ(QLocale().standaloneMonthName(3), QStringLiteral("marzec"));
}

TEST(MessageCatalogue, ErrorTypesShowTheCatalogueText)
{
    app();
    const auto polish = [](const char *english) {
        return QCoreApplication::translate("RunTime", english).toStdString();
    };
    const struct {
        const char *english;
        const char *polish;
    } rows[] = {
        {"'%s' is not a valid integer value", "'%s' nie jest poprawną wartością liczbową"},
        {"'%s' is not a valid floating point value", "'%s' nie jest poprawną wartością liczbową"},
        {"Cannot open file \"%s\". %s", "Nie można otworzyć pliku \"%s\". %s"},
        {"Cannot create file \"%s\". %s", "Nie można stworzyć pliku \"%s\". %s"},
        {"List index out of bounds (%d)", "Indeks listy poza zakresem (%d)"},
        {"File not found", "Nie znaleziono pliku"},
        {"Read beyond end of file", "Czytanie za końcem pliku"},
        {"I/O error %d", "Błąd wejścia/wyjścia %d"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(polish(row.english), row.polish);

    // A letter in the layer-count field of a document: the error quotes that field.
    try {
        ParseDocument({"        8x         0", ""}, "zly.vkz");
        FAIL() << "the document was read";
    } catch (const DocumentError &e) {
        EXPECT_NE(std::string(e.what()).find("'        8x' nie jest poprawną wartością liczbową"), std::string::npos)
            << e.what();
    }
    EXPECT_STREQ(ListIndexError(7).what(), "Indeks listy poza zakresem (7)");
    EXPECT_STREQ(InOutError(InOutReadBeyondEnd).what(), "Czytanie za końcem pliku");
    EXPECT_STREQ(InOutError(InOutFileNotFound).what(), "Nie znaleziono pliku");
    EXPECT_STREQ(InOutError(5).what(), "Błąd wejścia/wyjścia 5");
}

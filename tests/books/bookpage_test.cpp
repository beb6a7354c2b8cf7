#include "books/bookpage.h"
#include "books/pagelayout.h"

#include "bookfixture.h"
#include "document/errors.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

/// The character format of the last letter of the first occurrence of text.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &text)
{
    const QTextCursor found = doc.find(text);
    return found.isNull() ? QTextCharFormat() : found.charFormat();
}

const char *kEveryStyle = R"(
<styles>
  <text number="8" name="Czerwony" font="Verdana" size="12" bold="tak" color="#C00000"/>
  <paragraph number="3" name="Wcięty" align="right" left="40" before="6"/>
</styles>
<p style="1"><t style="1">Nagłówek</t></p>
<p style="2">
  <t>zwykły</t> <t style="1">duży</t> <t style="2">śródtytuł</t> <t style="3">pochyły</t>
  <t style="4">słowo</t> <t style="6">gruby</t> <t style="7">odwrócony</t>
  <t style="8">czerwony</t> <t style="5" tag="110">Warstwy</t><br/>
  <link tag="120">Tryby</link>
</p>
<p style="3"><img src="obrazek.png" width="32"/> ąęśżźćńół ĄĘŚŻŹĆŃÓŁ</p>
)";

} // namespace

TEST(BookPage, EveryStyleALinkAndAPicture)
{
    BookFolder folder;
    folder.picture(QStringLiteral("Help/obrazek.png"), 16);
    folder.page(QStringLiteral("Help/100.xml"), QString::fromUtf8(kEveryStyle), QStringLiteral("background=\"#FFFFE0\""));

    const BookPage page = ReadBookPage(folder.path(QStringLiteral("Help/100.xml")));
    EXPECT_EQ(page.background, QColor(0xFF, 0xFF, 0xE0));
    ASSERT_EQ(page.paragraphs.size(), 3u);
    EXPECT_EQ(page.styles.text.at(8).name, QStringLiteral("Czerwony"));
    ASSERT_FALSE(page.paragraphs[2].items.empty());
    EXPECT_EQ(page.paragraphs[2].items[0].image.size(), QSize(16, 16));
    // Windows-1250 letters and the spaces between items, as written.
    EXPECT_EQ(page.paragraphs[2].items[1].text, QStringLiteral(" ąęśżźćńół ĄĘŚŻŹĆŃÓŁ"));

    const LaidOutPage laid = LayOutPage(page, TextStyleSheet().mergedWith(page.styles));
    const QTextDocument &doc = *laid.document;
    EXPECT_EQ(laid.linkTags, (std::vector<QString>{QStringLiteral("110"), QStringLiteral("120")}));
    EXPECT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(doc.begin().next().text(),
              QStringLiteral("zwykły duży śródtytuł pochyły słowo gruby odwrócony czerwony Warstwy\u2028Tryby"));

    const struct {
        const char *text;
        qreal points;
        bool bold, italic, underline;
        QColor colour;
    } looks[] = {
        {"zwykły", 10, false, false, false, Qt::black},
        {"duży", 18, true, false, false, Qt::black},
        {"śródtytuł", 14, true, false, false, QColor(0, 0, 128)},
        {"pochyły", 10, false, true, false, Qt::black},
        {"słowo", 10, true, false, false, Qt::black},
        {"gruby", 10, true, false, false, Qt::black},
        {"czerwony", 12, true, false, false, QColor(0xC0, 0, 0)},
        {"Warstwy", 10, false, false, true, Qt::blue},
    };
    for (const auto &look : looks) {
        const QTextCharFormat f = formatOf(doc, QString::fromUtf8(look.text));
        SCOPED_TRACE(look.text);
        EXPECT_EQ(f.fontPointSize(), look.points);
        EXPECT_EQ(f.fontWeight() == QFont::Bold, look.bold);
        EXPECT_EQ(f.fontItalic(), look.italic);
        EXPECT_EQ(f.fontUnderline(), look.underline);
        EXPECT_EQ(f.foreground().color(), look.colour);
    }
    EXPECT_EQ(formatOf(doc, QStringLiteral("odwrócony")).background().color(), QColor(Qt::black));
    EXPECT_EQ(formatOf(doc, QStringLiteral("Warstwy")).anchorHref(), QStringLiteral("0"));
    EXPECT_EQ(formatOf(doc, QStringLiteral("Tryby")).anchorHref(), QStringLiteral("1"));

    const QTextBlockFormat heading = doc.begin().blockFormat();
    EXPECT_EQ(heading.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(heading.background().color(), QColor(192, 192, 192));
    const QTextBlockFormat indented = doc.lastBlock().blockFormat();
    EXPECT_EQ(indented.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(indented.leftMargin(), 40);
    EXPECT_EQ(indented.topMargin(), 6);
}

TEST(BookPage, IndexSheetIgnoresThePagesStyles)
{
    BookFolder folder;
    folder.page(QStringLiteral("Help/000.xml"), QString::fromUtf8(R"(
<styles><text number="1" name="zły" size="30"/></styles>
<p><t style="1" tag="100">Pomoc</t> <link tag="110">Pliki</link></p>)"));
    const BookPage page = ReadBookPage(folder.path(QStringLiteral("Help/000.xml")));
    const LaidOutPage laid = LayOutPage(page, IndexStyleSheet());
    EXPECT_EQ(laid.linkTags, (std::vector<QString>{QStringLiteral("100"), QStringLiteral("110")}));
    const QTextCharFormat f = formatOf(*laid.document, QStringLiteral("Pomoc"));
    EXPECT_EQ(f.fontPointSize(), 10);
    EXPECT_TRUE(f.fontUnderline());
}

TEST(BookPage, FilesThatAreNotPages)
{
    BookFolder folder;
    const struct {
        const char *name;
        QByteArray bytes;
        const char *message;  // part of the error text
    } cases[] = {
        {"strona.xml", "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n<page><p>x</p></page>",
         "brak elementu głównego \"book\""},
        {"pusty.xml", "", "brak elementu głównego \"book\""},
        {"obcy.xml", "<book><table/></book>", "nieznany element \"table\""},
        {"zepsuty.xml", "<book><p>x</book>", "wiersz 1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        folder.raw(QStringLiteral("Help/") + QLatin1String(c.name), c.bytes);
        try {
            ReadBookPage(folder.path(QStringLiteral("Help/") + QLatin1String(c.name)));
            ADD_FAILURE() << "read as a page";
        } catch (const BookFormatError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(BookPage, MissingPageOrPicture)
{
    BookFolder folder;
    const QString missing = folder.path(QStringLiteral("Help/999.xml"));
    try {
        ReadBookPage(missing);
        FAIL() << "a missing page was read";
    } catch (const FileError &e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  QStringLiteral("Nie można otworzyć pliku \"%1\". Nie znaleziono pliku lub folderu.").arg(missing));
    }
    folder.page(QStringLiteral("Help/100.xml"), QStringLiteral("<p><img src=\"brak.png\"/></p>"));
    EXPECT_THROW(ReadBookPage(folder.path(QStringLiteral("Help/100.xml"))), FileError);
}

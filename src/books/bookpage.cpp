#include "books/bookpage.h"
#include "reference/cp1250.h"

#include "document/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cerrno>
#include <fstream>
#include <sstream>

namespace {

[[noreturn]] void failFormat(const QString &path, const QXmlStreamReader &xml, const QString &problem)
{
    const QString text = QStringLiteral("Błąd na stronie \"%1\", wiersz %2: %3")
                             .arg(QDir::toNativeSeparators(path)).arg(xml.lineNumber()).arg(problem);
    throw BookFormatError(text.toStdString());
}

/// The whole file, or FileError with the system's reason.
QByteArray readFile(const QString &path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in)
        throw FileError(FileOpenMessage(QDir::toNativeSeparators(path).toStdString(), SystemReason(errno)));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return QByteArray::fromStdString(bytes.str());
}

/// The page as UTF-8. Pages are written in Windows-1250, which Qt decodes only where it has ICU
/// (not on Windows): the program decodes them itself and says so in the declaration.
QByteArray asUtf8(QByteArray page)
{
    static const QRegularExpression declared(QStringLiteral("^(<\\?xml[^>]*encoding=[\"'])windows-1250([\"'])"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(page.left(100));
    const QRegularExpressionMatch m = declared.match(head);
    if (!m.hasMatch())
        return page;
    const QByteArray rest = page.mid(m.capturedLength(0));
    return (m.captured(1) + QStringLiteral("UTF-8") + m.captured(2)).toLatin1()
           + QByteArray::fromStdString(DecodeWindows1250(std::string_view(rest.constData(), size_t(rest.size()))));
}

bool flag(const QXmlStreamAttributes &a, const char *name)
{
    const QString v = a.value(QLatin1String(name)).toString().trimmed().toLower();
    return v == u"1" || v == u"yes" || v == u"tak" || v == u"true";
}

int number(const QXmlStreamAttributes &a, const char *name, int fallback = 0)
{
    bool ok = false;
    const int v = a.value(QLatin1String(name)).toInt(&ok);
    return ok ? v : fallback;
}

QColor colour(const QXmlStreamAttributes &a, const char *name)
{
    return a.hasAttribute(QLatin1String(name)) ? QColor(a.value(QLatin1String(name)).toString().trimmed()) : QColor();
}

/// <text number= name= font= size= bold= italic= underline= color= background= jump=/>
TextStyle readTextStyle(const QXmlStreamAttributes &a)
{
    TextStyle s;
    s.name = a.value(QLatin1String("name")).toString();
    const QString font = a.value(QLatin1String("font")).toString();
    s.format.setFontFamilies(QStringList{font.isEmpty() ? QStringLiteral("Verdana") : font});
    s.format.setFontPointSize(number(a, "size", 10));
    s.format.setFontWeight(flag(a, "bold") ? QFont::Bold : QFont::Normal);
    s.format.setFontItalic(flag(a, "italic"));
    s.format.setFontUnderline(flag(a, "underline"));
    const QColor fore = colour(a, "color");
    s.format.setForeground(fore.isValid() ? fore : QColor(Qt::black));
    if (const QColor back = colour(a, "background"); back.isValid())
        s.format.setBackground(back);
    s.jump = flag(a, "jump");
    return s;
}

/// <paragraph number= name= align= left= right= first= before= after= background=/>
ParaStyle readParaStyle(const QXmlStreamAttributes &a)
{
    ParaStyle p;
    p.name = a.value(QLatin1String("name")).toString();
    const QString align = a.value(QLatin1String("align")).toString().trimmed().toLower();
    p.format.setAlignment(align == u"center" ? Qt::AlignHCenter
                          : align == u"right" ? Qt::AlignRight
                          : align == u"justify" ? Qt::AlignJustify : Qt::AlignLeft);
    p.format.setLeftMargin(number(a, "left"));
    p.format.setRightMargin(number(a, "right"));
    p.format.setTextIndent(number(a, "first"));
    p.format.setTopMargin(number(a, "before"));
    p.format.setBottomMargin(number(a, "after"));
    if (const QColor back = colour(a, "background"); back.isValid())
        p.format.setBackground(back);
    return p;
}

/// Runs of white space become one space, as in a web page; none at the start or end of a line.
void tidySpaces(PageParagraph &p)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    bool lineStart = true;
    PageItem *last = nullptr;
    for (PageItem &item : p.items) {
        if (item.kind == PageItem::Text) {
            item.text.replace(space, QStringLiteral(" "));
            if (lineStart && item.text.startsWith(u' '))
                item.text.remove(0, 1);
            if (!item.text.isEmpty()) {
                lineStart = item.text.endsWith(u' ');  // no second space after this one
                last = &item;
            }
            continue;
        }
        if (item.kind == PageItem::LineBreak && last && last->text.endsWith(u' '))
            last->text.chop(1);
        lineStart = item.kind == PageItem::LineBreak;
        last = nullptr;
    }
    if (last && last->text.endsWith(u' '))
        last->text.chop(1);
    std::erase_if(p.items, [](const PageItem &i) { return i.kind == PageItem::Text && i.text.isEmpty(); });
}

class PageReader {
public:
    PageReader(const QByteArray &bytes, const QString &path, const QString &folder)
        : m_xml(bytes), m_path(path), m_folder(folder) {}

    BookPage read()
    {
        if (!m_xml.readNextStartElement() || m_xml.name() != u"book")
            failFormat(m_path, m_xml, QStringLiteral("brak elementu głównego \"book\"."));
        m_page.background = colour(m_xml.attributes(), "background");
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"styles")
                readStyles();
            else if (m_xml.name() == u"p")
                readParagraph();
            else
                unknown();
        }
        if (m_xml.hasError())
            failFormat(m_path, m_xml, m_xml.errorString());
        return m_page;
    }

private:
    [[noreturn]] void unknown()
    {
        failFormat(m_path, m_xml, QStringLiteral("nieznany element \"%1\".").arg(m_xml.name()));
    }

    void readStyles()
    {
        while (m_xml.readNextStartElement()) {
            const QXmlStreamAttributes a = m_xml.attributes();
            if (m_xml.name() == u"text")
                m_page.styles.text[number(a, "number")] = readTextStyle(a);
            else if (m_xml.name() == u"paragraph")
                m_page.styles.para[number(a, "number")] = readParaStyle(a);
            else
                unknown();
            m_xml.skipCurrentElement();
        }
    }

    void readParagraph()
    {
        PageParagraph p;
        p.style = number(m_xml.attributes(), "style");
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isEndElement())
                break;
            if (m_xml.isCharacters()) {
                PageItem text;
                text.text = m_xml.text().toString();
                p.items.push_back(std::move(text));
            } else if (m_xml.isStartElement()) {
                p.items.push_back(readItem());
            }
        }
        tidySpaces(p);
        m_page.paragraphs.push_back(std::move(p));
    }

    PageItem readItem()
    {
        const QXmlStreamAttributes a = m_xml.attributes();
        PageItem item;
        item.tag = a.value(QLatin1String("tag")).toString().trimmed();
        item.style = number(a, "style");
        if (m_xml.name() == u"t" || m_xml.name() == u"link") {
            item.defaultJump = m_xml.name() == u"link" && !a.hasAttribute(QLatin1String("style"));
            item.text = m_xml.readElementText();
        } else if (m_xml.name() == u"br") {
            item.kind = PageItem::LineBreak;
            m_xml.skipCurrentElement();
        } else if (m_xml.name() == u"img") {
            item.kind = PageItem::Image;
            const QString file = QDir(m_folder).filePath(a.value(QLatin1String("src")).toString());
            if (!item.image.load(file))
                throw FileError(FileOpenMessage(QDir::toNativeSeparators(file).toStdString(),
                                                SystemReason(QFileInfo::exists(file) ? EIO : ENOENT)));
            item.width = number(a, "width");
            item.height = number(a, "height");
            m_xml.skipCurrentElement();
        } else {
            unknown();
        }
        if (m_xml.hasError())
            failFormat(m_path, m_xml, m_xml.errorString());
        return item;
    }

    QXmlStreamReader m_xml;
    QString m_path, m_folder;
    BookPage m_page;
};

} // namespace

BookPage ReadBookPage(const QString &path)
{
    return PageReader(asUtf8(readFile(path)), path, QFileInfo(path).absolutePath()).read();
}

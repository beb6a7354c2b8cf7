#include "books/pagelayout.h"

#include <QTextCursor>
#include <QTextImageFormat>
#include <QUrl>

namespace {

void addItem(QTextCursor &cursor, const PageItem &item, const BookStyleSheet &sheet, LaidOutPage &out,
             int &images)
{
    switch (item.kind) {
    case PageItem::LineBreak:
        cursor.insertText(QString(QChar::LineSeparator));
        return;
    case PageItem::Image: {
        const QString name = QStringLiteral("book-image:%1").arg(images++);
        out.document->addResource(QTextDocument::ImageResource, QUrl(name), item.image);
        QTextImageFormat format;
        format.setName(name);
        if (item.width > 0)
            format.setWidth(item.width);
        if (item.height > 0)
            format.setHeight(item.height);
        cursor.insertImage(format);
        return;
    }
    case PageItem::Text:
        break;
    }
    const int styleNumber = item.defaultJump ? sheet.firstJumpStyle() : item.style;
    const TextStyle &style = sheet.textStyle(styleNumber);
    QTextCharFormat format = style.format;
    if (style.jump) {
        format.setAnchor(true);
        format.setAnchorHref(QString::number(out.linkTags.size()));
        out.linkTags.push_back(item.tag);
    }
    cursor.insertText(item.text, format);
}

} // namespace

LaidOutPage LayOutPage(const BookPage &page, const BookStyleSheet &sheet)
{
    LaidOutPage out;
    out.document = std::make_unique<QTextDocument>();
    out.document->setUndoRedoEnabled(false);
    out.document->setDefaultFont(sheet.textStyle(0).format.font());
    QTextCursor cursor(out.document.get());
    bool first = true;
    int images = 0;
    for (const PageParagraph &paragraph : page.paragraphs) {
        const QTextBlockFormat &format = sheet.paraStyle(paragraph.style).format;
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format, sheet.textStyle(0).format);
        cursor.setBlockCharFormat(sheet.textStyle(0).format);
        first = false;
        for (const PageItem &item : paragraph.items)
            addItem(cursor, item, sheet, out, images);
    }
    return out;
}

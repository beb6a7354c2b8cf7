#include "books/bookpane.h"

#include "books/bookpage.h"
#include "books/pagelayout.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextCursor>

BookPane::BookPane(BookStyleSheet sheet, PageStyles pageStyles, QWidget *parent)
    : QTextBrowser(parent), m_sheet(std::move(sheet)), m_pageStyles(pageStyles)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        bool ok = false;
        const int id = link.toString().toInt(&ok);
        // A followed link looks like any other again, even while the pointer still rests on it.
        hoverLink(QUrl());
        if (ok)
            emit jump(id);
    });
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this, &BookPane::hoverLink);
}

void BookPane::loadPage(const QString &path)
{
    const BookPage page = ReadBookPage(path);
    const bool merge = m_pageStyles == PageStyles::Merge;
    LaidOutPage laid = LayOutPage(page, merge ? m_sheet.mergedWith(page.styles) : m_sheet);

    // The pane owns the pages it laid out; the first, empty document belongs to Qt's text control.
    QTextDocument *old = document();
    const bool ownsOld = old && old->parent() == this;
    QTextDocument *doc = laid.document.release();
    doc->setParent(this);
    setDocument(doc);
    if (ownsOld)
        delete old;
    m_linkTags = std::move(laid.linkTags);
    m_hovered = -1;
    m_saved.clear();
    if (merge) {
        QPalette p = palette();
        p.setColor(QPalette::Base, page.background.isValid() ? page.background : QColor(Qt::white));
        setPalette(p);
    }
}

QString BookPane::linkTag(int id) const
{
    return id >= 0 && id < linkCount() ? m_linkTags[id] : QString();
}

int BookPane::linkPosition(int id) const
{
    const QString href = QString::number(id);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == href)
                return it.fragment().position();
    return -1;
}

void BookPane::hoverLink(const QUrl &link)
{
    bool ok = false;
    const int id = link.isEmpty() ? -1 : link.toString().toInt(&ok);
    const int hovered = ok ? id : -1;
    if (hovered == m_hovered)
        return;
    // Give the link left its own colours back, then paint the new one red.
    for (const SavedColour &saved : m_saved)
        paintRange(saved.position, saved.length, saved.foreground);
    m_saved.clear();
    m_hovered = hovered;
    if (m_hovered < 0)
        return;
    const QString href = QString::number(m_hovered);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == href)
                m_saved.push_back({it.fragment().position(), it.fragment().length(),
                                   it.fragment().charFormat().foreground()});
    for (const SavedColour &saved : m_saved)
        paintRange(saved.position, saved.length, HoverLinkColor);
}

bool BookPane::viewportEvent(QEvent *event)
{
    // The pointer may leave the pane straight from a link: it is no longer under the pointer.
    if (event->type() == QEvent::Leave)
        hoverLink(QUrl());
    return QTextBrowser::viewportEvent(event);
}

void BookPane::paintRange(int position, int length, const QBrush &foreground)
{
    QTextCharFormat format;
    format.setForeground(foreground);
    QTextCursor c(document());
    c.setPosition(position);
    c.setPosition(position + length, QTextCursor::KeepAnchor);
    c.mergeCharFormat(format);
}

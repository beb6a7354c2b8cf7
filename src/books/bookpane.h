#pragma once
// A read-only page pane of a book window: shows one page at a time, reports followed links by
// number and draws the link under the pointer red.

#include "books/bookstyles.h"

#include <QTextBrowser>

#include <vector>

class BookPane : public QTextBrowser {
    Q_OBJECT
public:
    /// Whether a page's own style definitions and background count in this pane.
    enum class PageStyles { Ignore, Merge };

    BookPane(BookStyleSheet sheet, PageStyles pageStyles, QWidget *parent = nullptr);

    /// Shows the page file at path instead of the current one. Throws FileError or BookFormatError;
    /// then the pane keeps what it showed.
    void loadPage(const QString &path);
    /// Number of links on the shown page.
    int linkCount() const { return static_cast<int>(m_linkTags.size()); }
    /// The tag (target page name) of link id; empty when there is no such link.
    QString linkTag(int id) const;
    /// Where link id starts in the document; -1 when there is no such link.
    int linkPosition(int id) const;

signals:
    /// The user followed link id (a click on it).
    void jump(int id);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void hoverLink(const QUrl &link);
    void paintRange(int position, int length, const QBrush &foreground);

    /// A fragment of the link under the pointer and the colour it had before.
    struct SavedColour {
        int position, length;
        QBrush foreground;
    };

    BookStyleSheet m_sheet;
    PageStyles m_pageStyles;
    std::vector<QString> m_linkTags;
    int m_hovered = -1;
    std::vector<SavedColour> m_saved;
};

#pragma once
// Style sheets of the book panes: numbered text styles (font, colour, link or not) and numbered
// paragraph styles (alignment, indents, spacing, background), as a page's items refer to them.

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <map>

struct TextStyle {
    QString name;
    QTextCharFormat format;
    bool jump = false;  ///< items of this style are links to the page named by their tag
};

struct ParaStyle {
    QString name;
    QTextBlockFormat format;
};

/// Styles by number. Number 0 of each kind always exists: it is what an item without a style,
/// or with a style the sheet does not know, is given.
struct BookStyleSheet {
    std::map<int, TextStyle> text;
    std::map<int, ParaStyle> para;

    const TextStyle &textStyle(int number) const;
    const ParaStyle &paraStyle(int number) const;
    /// The lowest-numbered link style; -1 when the sheet has none.
    int firstJumpStyle() const;
    /// This sheet with the styles of other added, other's winning where both have a number.
    BookStyleSheet mergedWith(const BookStyleSheet &other) const;
};

/// The index pane's sheet: 0 "normal", 1 "jump", 2 "symbol"; paragraph 0 "center".
BookStyleSheet IndexStyleSheet();
/// The text pane's sheet: 0 "Normal" … 7 "Center"; paragraphs 0 "Left", 1 "Heading", 2 "Center".
BookStyleSheet TextStyleSheet();

/// Colour of a link under the pointer.
inline const QColor HoverLinkColor(Qt::red);

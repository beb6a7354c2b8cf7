#pragma once
// A page of a book as read from its XML file (the dialect is described in README.md beside this
// file): the page's own styles, its background and its paragraphs of items.

#include "books/bookstyles.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <stdexcept>
#include <vector>

/// A page file that is not a book page: no root element "book", broken XML or an unknown element.
/// what() is the Polish message, UTF-8.
class BookFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One item of a paragraph: a run of text in one style, a picture, or a line break.
struct PageItem {
    enum Kind { Text, Image, LineBreak };
    Kind kind = Text;
    QString text;
    int style = 0;              ///< text style number
    bool defaultJump = false;   ///< written as <link>: the pane's first link style
    QString tag;                ///< for a link, the name of the target page
    QImage image;
    int width = 0, height = 0;  ///< pixels the picture is shown at; 0 keeps its own size
};

struct PageParagraph {
    int style = 0;  ///< paragraph style number
    std::vector<PageItem> items;
};

struct BookPage {
    BookStyleSheet styles;  ///< the page's own style definitions only
    QColor background;      ///< invalid when the page sets none
    std::vector<PageParagraph> paragraphs;
};

/// Reads a page file and the pictures it shows (relative to the page's folder). Throws FileError
/// ("Nie można otworzyć pliku ...") for a page or picture that cannot be read, BookFormatError for a
/// file that is not a book page.
BookPage ReadBookPage(const QString &path);

#pragma once
// Lays a page out as a rich-text document in a pane's style sheet.

#include "books/bookpage.h"

#include <QTextDocument>

#include <memory>
#include <vector>

struct LaidOutPage {
    std::unique_ptr<QTextDocument> document;
    /// Tag of each link, by link number; a link's anchor is its number as text.
    std::vector<QString> linkTags;
};

/// Builds the document of page in sheet. Items name styles by number; a number the sheet lacks is
/// style 0. The page's own styles are not applied here: merge them into sheet first if wanted.
LaidOutPage LayOutPage(const BookPage &page, const BookStyleSheet &sheet);

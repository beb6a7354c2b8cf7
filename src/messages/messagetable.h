#pragma once
// Our rows of the catalogue: a built-in text of Qt or of our run-time errors and its Polish text.

#include <vector>

/// One row. context and english identify the built-in text as Qt asks for it (translate()).
struct CatalogueRow {
    const char *context;
    const char *english;
    const char *polish;
};

/// Every row of our table: Qt's texts first, then the run-time messages of our own error types
/// (context "RunTime", placeholders as in document/runtimetexts.h).
const std::vector<CatalogueRow> &CatalogueRows();

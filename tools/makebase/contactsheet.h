#pragma once
// The contact sheet of the reference collection for the documentation.

#include <QImage>
#include <QString>

#include <vector>

struct SheetItem {
    int number = 0;
    QString name;
    QImage picture;  ///< as read back from the store
};

/// Six tiles a row, each 128 × 128 with the strip's rounded corners and grey frame, its number
/// and name underneath.
QImage MakeContactSheet(const std::vector<SheetItem> &items);

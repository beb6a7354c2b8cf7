#pragma once
// The A4 worksheet: pictograms laid out in a grid on portrait pages with 10 mm margins, each with
// its name under it and, when asked, dashed lines to cut along; written as a vector PDF.

#include "document/picto.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct WorksheetOptions {
    int perPage = 12;       ///< one of WorksheetSizes()
    bool names = true;      ///< the pictogram's name under each picture
    bool cutLines = false;  ///< thin dashed lines round each cell
};

/// One pictogram of the worksheet.
struct WorksheetItem {
    QString name;  ///< written under the picture
    PictoDocument doc;
};

/// The numbers of pictograms a page can hold: 1, 2, 4, 6, 12, 20.
const QList<int> &WorksheetSizes();

/// Columns and rows of a page of perPage pictograms (one of WorksheetSizes()).
QSize WorksheetGrid(int perPage);

/// The name written under a pictogram: its file name without the folder, the leading number and
/// ".vkz" ("001 Bałwanek.vkz" → "Bałwanek"); a name that is all number keeps its number.
QString WorksheetName(const QString &fileName);

/// Writes the worksheet of items, in their order, to path as PDF whole or not at all and returns
/// its number of pages; throws PictureError.
int WriteWorksheet(const QList<WorksheetItem> &items, const QImage &startPicture, const WorksheetOptions &options,
                   const QString &path);

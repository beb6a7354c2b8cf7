#pragma once
// merisko --list-reference: the reference pictograms as the strip reads them.

#include <QString>

/// Prints, for every number of PictoList, the number, the name and the meaning read from the
/// reference data folder (the store through ReadReferencePicto, the meanings from "F.de").
/// A pictogram that cannot be read is reported on standard error. Returns 0 when all were read.
int ListReference(const QString &baseFolder);

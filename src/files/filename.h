#pragma once
// The rule a document's file name obeys: documents are saved under a bare name in the documents
// folder, so the name may hold no path or wildcard character and must end in its one ".vkz".

#include <QString>

/// True when name is not empty, holds none of the nine characters " * / : < > ? \ | and does not
/// begin with "." (such a file is hidden and the document list would never show it).
bool CheckFileName(const QString &name);

/// The name dialogs' OK rule: CheckFileName accepts it, it ends in ".vkz" (small letters) and that
/// final ".vkz" is the first one in the name.
bool IsDocumentFileName(const QString &name);

/// Why the name dialogs refuse name, as one short Polish line; empty when IsDocumentFileName accepts it.
QString FileNameRefusal(const QString &name);

#pragma once
// The rule a document's file name obeys: documents are saved under a bare name in the documents
// folder, so the name may hold no path or wildcard character and must end in its one ".vkz".

#include <QString>

/// True when name is not empty and holds none of the nine characters " * / : < > ? \ |.
bool CheckFileName(const QString &name);

/// The name dialogs' OK rule: CheckFileName accepts it, it ends in ".vkz" (small letters) and that
/// final ".vkz" is the first one in the name.
bool IsDocumentFileName(const QString &name);

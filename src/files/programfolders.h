#pragma once
// Where the program keeps its reference data, its documents and its working files.

#include <QString>

/// The program's folders, each ending with a path separator.
struct ProgramFolders {
    QString Base_S;  ///< the executable's folder
    QString Base_B;  ///< reference data
    QString Base_R;  ///< documents, thumbnails, exported pictures
    QString Base_W;  ///< developer marker and the copies of unsaved documents
    static ProgramFolders Beside(const QString &executableFolder);
};

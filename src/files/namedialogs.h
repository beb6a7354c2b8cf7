#pragma once
// What the program asks when a document is created or saved under a new name; the dialogs that
// answer live with the window, tests answer without a modal dialog.

#include <QString>

class NameDialogs {
public:
    virtual ~NameDialogs() = default;
    /// New pictogram: false when cancelled; otherwise name and whether the example was chosen.
    virtual bool AskNewPicto(QString &name, bool &example) = 0;
    /// Save as: false when cancelled; otherwise the name.
    virtual bool AskSaveName(QString &name) = 0;
};

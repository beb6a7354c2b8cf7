#pragma once
// The real message boxes behind UserDialogs.

#include "files/userdialogs.h"

/// The real message boxes.
class QtUserDialogs : public UserDialogs {
public:
    void Inform(const QString &text, const QString &caption) override;
    void Error(const QString &text) override;
    Answer AskYesNoCancel(const QString &text, const QString &caption) override;
    Answer AskYesNo(const QString &text, const QString &caption, Answer preferred) override;
};

#pragma once
// Every message box the program shows goes through this interface, so tests and the command line
// never block on a dialog: they install a recorder instead of the real boxes.

#include <QString>

#include <functional>

class UserDialogs {
public:
    enum Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;
    /// A plain box with an OK button only and no icon (start-up checks).
    virtual void Inform(const QString &text, const QString &caption) = 0;
    /// The application's standard error box, caption "Błąd".
    virtual void Error(const QString &text) = 0;
    /// A confirmation with Tak, Nie and Anuluj.
    virtual Answer AskYesNoCancel(const QString &text, const QString &caption) = 0;
    /// A question with Tak and Nie only; Enter answers preferred (Yes or No), closing the box No.
    /// Cancel means that nobody could answer (no box was shown): the caller then changes nothing,
    /// not even what No would remove.
    virtual Answer AskYesNo(const QString &text, const QString &caption, Answer preferred) = 0;
};

/// Runs fn as one user action: an error ends it and appears in the error box.
void RunGuarded(UserDialogs &dialogs, const std::function<void()> &fn);

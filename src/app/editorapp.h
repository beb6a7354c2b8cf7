#pragma once
// The editor's start: the application object whose error box catches what a handler throws, and
// the run of the windows.

#include "app/userdialogs.h"

#include <QApplication>

class MeriskoApplication : public QApplication {
public:
    MeriskoApplication(int &argc, char **argv, UserDialogs &dialogs);
    /// Dispatches e; an error thrown by its handler ends that action and appears in the error box.
    bool notify(QObject *receiver, QEvent *e) override;

private:
    UserDialogs &m_dialogs;
};

/// Names the running application "Merisko" without giving it a display name, which the window
/// system would append to every window's title.
void NameApplication();

/// Opens the editor and runs it until the main window closes. With quitAfterStart the program ends
/// as soon as the main window has been painted and the main loop runs (to time the start); its
/// boxes are written to the error output instead of waiting for an answer. Returns 1 when the
/// start was refused.
int RunEditor(int argc, char **argv, bool quitAfterStart);

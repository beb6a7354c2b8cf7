#include "files/userdialogs.h"

#include <exception>

void RunGuarded(UserDialogs &dialogs, const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const std::exception &e) {
        dialogs.Error(QString::fromUtf8(e.what()));
    }
}

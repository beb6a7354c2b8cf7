#include "editorapp.h"

#include "books/bookwindows.h"
#include "messages/catalogue.h"
#include "reference/tdict.h"
#include "splash.h"
#include "tform.h"

#include <QScreen>
#include <QTimer>

#include <cmath>
#include <exception>

MeriskoApplication::MeriskoApplication(int &argc, char **argv, UserDialogs &dialogs)
    : QApplication(argc, argv), m_dialogs(dialogs)
{
}

bool MeriskoApplication::notify(QObject *receiver, QEvent *e)
{
    try {
        return QApplication::notify(receiver, e);
    } catch (const std::exception &error) {
        m_dialogs.Error(QString::fromUtf8(error.what()));
        return false;
    }
}

namespace {
// Ends the program once the watched window has been painted.
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_done = false;
};
}

void NameApplication()
{
    QApplication::setApplicationName("Merisko");
}

int RunEditor(int argc, char **argv, bool quitAfterStart)
{
    QtUserDialogs dialogs;
    MeriskoApplication app(argc, argv, dialogs);
    InstallMessageCatalogue(app);  // before any window: every built-in text in Polish
    NameApplication();

    const QScreen *screen = QGuiApplication::primaryScreen();
    ScreenFacts facts;
    if (screen != nullptr) {
        facts.width = screen->geometry().width();
        facts.height = screen->geometry().height();
        facts.dpi = int(std::lround(screen->logicalDotsPerInch()));
    }
    T_Form form({QCoreApplication::applicationDirPath(), facts, &dialogs, nullptr, {}});
    if (screen != nullptr)
        form.ScreenArea = screen->availableGeometry();  // without the desktop's panels
    QuitAfterPaint quitter;
    if (quitAfterStart)
        form.installEventFilter(&quitter);
    form.show();
    if (form.flags.Refused()) {
        form.FormActivate();
        return 1;
    }
    // The other windows come after the main window, once, and are only shown and hidden later.
    T_Dict dict;
    auto reportError = [&dialogs](const QString &text) { dialogs.Error(text); };
    T_Help help(QCoreApplication::applicationDirPath(), reportError);
    T_SnowMen snowMen(QCoreApplication::applicationDirPath(), reportError);
    form.AttachWindows(&dict, &help, &snowMen);
    T_Ue splash;
    if (!quitAfterStart) {
        splash.move(form.pos());
        splash.show();
    }
    return app.exec();
}

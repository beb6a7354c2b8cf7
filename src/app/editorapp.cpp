#include "app/editorapp.h"

#include "app/splash.h"
#include "app/tform.h"
#include "books/bookwindows.h"
#include "dialogs/tdict.h"
#include "messages/catalogue.h"

#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdio>
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
// Ends the program once the watched window has been painted and the main loop runs. A quit asked
// for before the loop runs (while a box of the start had its own loop) would be lost, so the
// loop's first turn arms it.
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            quitWhenReady();
        }
        return QObject::eventFilter(watched, e);
    }
    /// Called once the main loop runs.
    void arm()
    {
        m_armed = true;
        quitWhenReady();
    }

private:
    void quitWhenReady()
    {
        if (m_armed && m_painted)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    bool m_painted = false;
    bool m_armed = false;
};

// With --quit-after-start nobody is there to answer a box: each one is written to the error
// output instead, and a question is left unanswered, which changes nothing.
class PrintedDialogs : public UserDialogs {
public:
    void Inform(const QString &text, const QString &caption) override { print(caption, text); }
    void Error(const QString &text) override { print(QStringLiteral("Błąd"), text); }
    Answer AskYesNoCancel(const QString &text, const QString &caption) override
    {
        print(caption, text);
        return Cancel;
    }
    Answer AskYesNo(const QString &text, const QString &caption, Answer) override
    {
        print(caption, text);
        return Cancel;  // unanswered: neither Tak's change nor what Nie would remove
    }

private:
    static void print(const QString &caption, const QString &text)
    {
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
};
}

void NameApplication()
{
    QApplication::setApplicationName("Merisko");
}

int RunEditor(int argc, char **argv, bool quitAfterStart)
{
    QtUserDialogs shownDialogs;
    PrintedDialogs printedDialogs;
    UserDialogs &dialogs = quitAfterStart ? static_cast<UserDialogs &>(printedDialogs) : shownDialogs;
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
    QuitAfterPaint quitter;
    T_Form::Environment env;
    env.programFolder = QCoreApplication::applicationDirPath();
    env.screen = facts;
    env.dialogs = &dialogs;
    if (screen != nullptr)
        env.screenArea = screen->availableGeometry();  // without the desktop's panels
    T_Form form(env);
    if (quitAfterStart)
        form.installEventFilter(&quitter);
    form.show();
    if (form.Refused()) {
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
    if (quitAfterStart) {
        QTimer::singleShot(0, &app, [&quitter] { quitter.arm(); });
    } else {
        splash.move(form.pos());
        splash.show();
    }
    return app.exec();
}

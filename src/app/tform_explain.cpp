// How the main window explains itself: the file buttons and shortcuts, the information window, the
// hints of the controls and the clicks on the window's decorative pictures.
#include "app/hints.h"
#include "app/info.h"
#include "app/tform.h"
#include "app/tinfo.h"
#include "dialogs/namedialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

/// Passes the pointer's first arrival and every move over a tagged control to HintMMove.
class T_Form::HintWatcher : public QObject {
public:
    HintWatcher(T_Form &form) : QObject(&form), m_form(form) {}
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
        case QEvent::HoverMove:
            m_form.HintMMove(static_cast<QWidget *>(watched));
            break;
        default:
            break;
        }
        return false;
    }

private:
    T_Form &m_form;
};

void T_Form::buildFileControls(const Environment &env)
{
    if (env.names != nullptr) {
        m_shelf->SetNameDialogs(env.names);
    } else {
        m_ownNames = std::make_unique<QtNameDialogs>(this);
        m_shelf->SetNameDialogs(m_ownNames.get());
    }
    m_openFolder = env.openFolder ? env.openFolder : [](const QString &folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };

    auto onClick = [this](ControlTag tag, std::function<void()> fn) {
        connect(ButtonByTag(tag), &QAbstractButton::clicked, this, [this, fn] { Guarded(fn); });
    };
    onClick(ControlTag::NewPicto, [this] { b_NewPictoClick(); });
    onClick(ControlTag::SavePicto, [this] { b_SavePictoClick(ControlTag::SavePicto); });
    onClick(ControlTag::SavePictoAs, [this] { b_SavePictoClick(ControlTag::SavePictoAs); });
    onClick(ControlTag::ExportPng, [this] { b_ExportPngClick(); });
    onClick(ControlTag::Info, [this] { b_InfoClick(); });
    const struct {
        const char *keys;
        ControlTag tag;
    } shortcuts[] = {{"Ctrl+N", ControlTag::NewPicto},
                     {"Ctrl+S", ControlTag::SavePicto},
                     {"Ctrl+Shift+S", ControlTag::SavePictoAs},
                     {"Ctrl+E", ControlTag::ExportPng}};
    for (const auto &s : shortcuts) {
        auto *shortcut = new QShortcut(QKeySequence(QString::fromLatin1(s.keys)), this);
        QAbstractButton *button = ButtonByTag(s.tag);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }
    // Ctrl+Q closes the window the way its close button does (the save question comes first).
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this, &QWidget::close);

    Info = new T_Info(this);
    Info->OnClose = [this] { ButtonByTag(ControlTag::Info)->setChecked(false); };

    // Hints are given at the first move over a control; none is set before.
    auto *watcher = new HintWatcher(*this);
    for (QWidget *w : findChildren<QWidget *>()) {
        const ControlTag tag = TagOf(w);
        for (const R_Hint &row : HintTable())
            if (row.ITag == tag) {
                w->installEventFilter(watcher);
                break;
            }
    }
    i_Projekt->setToolTipDuration(ProjectHintHidePause);  // time to read the long project text

    i_Logo->OnClick = [this](QMouseEvent *) { i_LogoClick(); };
    i_AllRights->OnClick = [this](QMouseEvent *) { i_LogoClick(); };
    i_Projekt->OnClick = [this](QMouseEvent *) { Guarded([this] { i_ProjektClick(); }); };
    buildDeveloperPages();
}

void T_Form::HintMMove(QWidget *sender)
{
    const ControlTag tag = TagOf(sender);
    for (const R_Hint &row : HintTable())
        if (row.ITag == tag) {
            sender->setToolTip(QString::fromUtf8(row.Text));
            sender->setToolTipDuration(HintHidePause);
        }
}

void T_Form::ShowInfo()
{
    if (Info == nullptr || !Info->isVisible())
        return;
    Info->SetLines(InfoLines({session.doc, ButtonByTag(ControlTag::AllLayers)->isChecked(),
                               ButtonByTag(ControlTag::NumberAndPoint)->isChecked(), edit}));
}

void T_Form::b_InfoClick()
{
    if (ButtonByTag(ControlTag::Info)->isChecked()) {
        ShowBeside(Info);
        ShowInfo();
    } else {
        Info->hide();
    }
}

void T_Form::i_LogoClick()
{
    // Developers only: with the marker file the logo and the banner close the window.
    if (QFileInfo::exists(folders.Base_W + "A.txt"))
        close();
}

void T_Form::i_ProjektClick()
{
    if (!QFileInfo::exists(folders.Base_W + "A.txt"))
        return;
    pc_Tabs->setVisible(!pc_Tabs->isVisible());
    pc_Tabs->raise();
    pc_Tabs->setCurrentIndex(0);
    showPage(0);
}

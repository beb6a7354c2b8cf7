// The pages behind the editor page, shown to developers only: the document text buffer, in which
// typing is recorded like any edit, and the hidden pictures and lists of the window.
#include "app/tform.h"
#include "document/textformat.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>

namespace {
QLabel *pictureView(QWidget *page, const char *name, QRect geometry)
{
    auto *l = new QLabel(page);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFrameShape(QFrame::Box);
    return l;
}

QListWidget *listView(QWidget *page, const char *name, QRect geometry)
{
    auto *l = new QListWidget(page);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}
}

void T_Form::buildDeveloperPages()
{
    const int tabsTop = pc_Pages->height() - 18;
    pc_Tabs = new QTabBar(this);
    pc_Tabs->setObjectName("pc_Tabs");
    pc_Tabs->setShape(QTabBar::RoundedSouth);
    pc_Tabs->setGeometry(pc_Pages->x(), tabsTop, pc_Pages->width(), 18);
    for (const char *caption : {"Piktogram", "Tekst dokumentu", "Obrazy i listy"})
        pc_Tabs->addTab(QString::fromUtf8(caption));
    pc_Tabs->hide();  // the tabs are hidden until a developer reveals them
    connect(pc_Tabs, &QTabBar::currentChanged, this, [this](int i) { Guarded([this, i] { showPage(i); }); });

    QWidget *ts_2 = pc_Pages->widget(1);
    rve_ItemsView = new QPlainTextEdit(ts_2);
    rve_ItemsView->setObjectName("rve_Items");
    rve_ItemsView->setGeometry(0, 0, ts_2->width(), tabsTop);
    rve_ItemsView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rve_ItemsView->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(rve_ItemsView, &QPlainTextEdit::textChanged, this, [this] { rve_ItemsViewChange(); });

    QWidget *ts_3 = pc_Pages->widget(2);
    pictureView(ts_3, "i_PureView", QRect(0, 0, 256, 256));
    pictureView(ts_3, "i_PNGView", QRect(262, 0, 256, 256));
    listView(ts_3, "lb_ListFileView", QRect(0, 262, 172, tabsTop - 262));
    listView(ts_3, "lb_DefinView", QRect(174, 262, 172, tabsTop - 262));
    listView(ts_3, "lb_WordsView", QRect(348, 262, 172, tabsTop - 262));
}

void T_Form::showPage(int index)
{
    const bool leavingText = pc_Pages->currentIndex() == 1 && index != 1;
    pc_Pages->setCurrentIndex(index);
    if (leavingText) {
        // What was typed becomes the open document (announced: the views follow); a text that
        // cannot be read says why.
        session.ReadText();
    }
    if (index == 1) {
        const QSignalBlocker quiet(rve_ItemsView);
        rve_ItemsView->setPlainText(QString::fromStdString(session.rve_Items.Text()).replace("\r\n", "\n"));
    } else if (index == 2) {
        QWidget *ts_3 = pc_Pages->widget(2);
        ts_3->findChild<QLabel *>("i_PureView")->setPixmap(QPixmap::fromImage(i_Pure.scaled(256, 256)));
        ts_3->findChild<QLabel *>("i_PNGView")->setPixmap(QPixmap::fromImage(i_PNG.scaled(256, 256)));
        const std::pair<const char *, const QStringList *> lists[] = {
            {"lb_ListFileView", &m_shelf->Names()}, {"lb_DefinView", &lb_Defin}, {"lb_WordsView", &lb_Words}};
        for (const auto &[name, items] : lists) {
            auto *view = ts_3->findChild<QListWidget *>(name);
            view->clear();
            view->addItems(*items);
        }
    }
}

void T_Form::rve_ItemsViewChange()
{
    // One keystroke is one undo step.
    std::vector<std::string> typed;
    for (const QString &line : rve_ItemsView->toPlainText().split('\n'))
        typed.push_back(line.toStdString());
    session.TypeText(typed);
}

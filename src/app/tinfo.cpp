#include "tinfo.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QVBoxLayout>

T_Info::T_Info(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName("T_Info");
    setWindowTitle(QStringLiteral("Informacja o parametrach projektu"));
    resize(632, 328);  // the main window places it beside itself when it is shown
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xD9, 0xED, 0xCD));
    setPalette(pal);
    lb_Info = new QListWidget(this);
    lb_Info->setObjectName("lb_Info");
    lb_Info->setFrameShape(QFrame::NoFrame);
    lb_Info->setSelectionMode(QAbstractItemView::NoSelection);
    lb_Info->setFocusPolicy(Qt::NoFocus);
    QFont f(QFontDatabase::families().contains("Verdana") ? "Verdana" : "DejaVu Sans");
    f.setPixelSize(13);
    lb_Info->setFont(f);
    lb_Info->setStyleSheet(QStringLiteral("QListWidget { background: #F7F3CC; } QListWidget::item { height: 18px; }"));
    auto *fill = new QVBoxLayout(this);  // the list fills the window at any size
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(lb_Info);
}

void T_Info::SetLines(const QStringList &lines)
{
    lb_Info->clear();
    lb_Info->addItems(lines);
}

void T_Info::closeEvent(QCloseEvent *e)
{
    QWidget::closeEvent(e);
    if (OnClose)
        OnClose();
}

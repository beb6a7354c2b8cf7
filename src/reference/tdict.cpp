#include "reference/tdict.h"

#include <QEvent>
#include <QFontDatabase>

T_Dict::T_Dict(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("T_Dict");
    setFixedSize(294, 190);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont f(QFontDatabase::families().contains("Verdana") ? "Verdana" : "DejaVu Sans");
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    // The memo only shows the text, wrapped at the window's width; clicks go through to the window.
    m_Defin = new QLabel(this);
    m_Defin->setObjectName("m_Defin");
    m_Defin->setGeometry(6, 6, 282, 178);
    m_Defin->setWordWrap(true);
    m_Defin->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Defin->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void T_Dict::FormActivate()
{
    setWindowTitle(Words);
    m_Defin->setText(Defin);
}

void T_Dict::showEvent(QShowEvent *e)
{
    FormActivate();
    QWidget::showEvent(e);
}

bool T_Dict::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(e);
}

void T_Dict::mouseReleaseEvent(QMouseEvent *)
{
    hide();  // FormClick
}

#include "dialogs/tdict.h"

#include "render/fonts.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>

namespace {
/// The popup's client area, pixels.
constexpr int DictWidth = 294, DictHeight = 190;
/// What a title bar holds besides its title: the icon, the buttons (a window manager may keep its
/// minimise and maximise buttons whatever the window asks) and their margins.
constexpr int TitleBarButtons = 88;
}

int TitleBarNeeds(const QString &title)
{
    return QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title)
           + TitleBarButtons;
}

T_Dict::T_Dict(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName("T_Dict");
    setFixedSize(DictWidth, DictHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont f(InterfaceFontFamily());
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    // The memo only shows the text, wrapped at the window's width; clicks go through to the window.
    m_Defin = new QLabel(this);
    m_Defin->setObjectName("m_Defin");
    m_Defin->setGeometry(6, 6, DictWidth - 12, DictHeight - 12);
    m_Defin->setWordWrap(true);
    m_Defin->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Defin->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void T_Dict::FormActivate()
{
    FitTitle();
    setWindowTitle(Words);
    m_Defin->setText(Defin);
}

void T_Dict::FitTitle()
{
    const int width = std::max(DictWidth, TitleBarNeeds(Words));
    setFixedSize(width, DictHeight);
    m_Defin->setGeometry(6, 6, width - 12, DictHeight - 12);
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

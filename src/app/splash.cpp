#include "app/splash.h"

#include "app/glyphs.h"

T_Ue::T_Ue() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName("T_Ue");
    setFixedSize(1230, 765);
    auto *picture = new QLabel(this);
    picture->setObjectName("i_Splash");
    picture->setGeometry(rect());
    picture->setPixmap(QPixmap::fromImage(SplashPicture(size())));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    t_UE.setInterval(20);
    connect(&t_UE, &QTimer::timeout, this, [this] { t_UETimer(); });
    t_UE.start();
}

void T_Ue::t_UETimer()
{
    if (!isVisible())
        return;
    m_opacity -= 2;
    setWindowOpacity(m_opacity / 255.0);
    if (m_opacity < 3)
        hide();
}

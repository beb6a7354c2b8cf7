#pragma once
// T_Ue: the borderless splash over the main window that fades out over 127 ticks of 20 ms.

#include <QLabel>
#include <QTimer>
#include <QWidget>

class T_Ue : public QWidget {
public:
    T_Ue();
    /// One tick of the fade: opacity down by 2 while visible; hidden when below 3.
    void t_UETimer();
    int Opacity() const { return m_opacity; }

    QTimer t_UE;

private:
    int m_opacity = 255;
};

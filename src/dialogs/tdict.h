#pragma once
// T_Dict: the small popup above the reference strip with a pictogram's name as its title and its
// meaning as its text. A click inside puts it away.

#include <QLabel>
#include <QWidget>

/// Pixels of window width a title bar needs to show title whole (in the system's title font) beside
/// the window's icon and buttons.
int TitleBarNeeds(const QString &title);

class T_Dict : public QWidget {
public:
    explicit T_Dict(QWidget *parent = nullptr);

    QString Words;  ///< the title to show
    QString Defin;  ///< the meaning to show
    QLabel *m_Defin = nullptr;

    /// Copies Words and Defin into the window (on every activation, and when shown).
    void FormActivate();
    /// Widens the popup beyond its 294 pixels when Words would not fit in its title bar.
    void FitTitle();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

#pragma once
// T_Dict: the small popup beside the reference strip with a pictogram's name as its title and its
// meaning as its text. A click inside puts it away.

#include <QLabel>
#include <QWidget>

class T_Dict : public QWidget {
public:
    explicit T_Dict(QWidget *parent = nullptr);

    QString Words;  ///< the title to show
    QString Defin;  ///< the meaning to show
    QLabel *m_Defin = nullptr;

    /// Copies Words and Defin into the window (on every activation, and when shown).
    void FormActivate();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

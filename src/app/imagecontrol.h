#pragma once
// A picture control: shows a QImage at its own size and passes pointer events to callbacks, so
// the window's handlers receive positions in picture pixels.

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <functional>

class ImageControl : public QWidget {
public:
    explicit ImageControl(QWidget *parent = nullptr) : QWidget(parent) {}

    /// The picture shown; callers draw into it and then call update().
    QImage Picture;

    std::function<void(QMouseEvent *)> OnMouseDown, OnMouseMove, OnMouseUp, OnClick;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, Picture);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (OnMouseDown)
            OnMouseDown(e);
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (OnMouseMove)
            OnMouseMove(e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (OnMouseUp)
            OnMouseUp(e);
        if (OnClick && rect().contains(e->position().toPoint()))
            OnClick(e);
    }
};

/// Runs a function when the watched widget is clicked (pressed and released inside it): for the
/// plain panels whose click the window handles.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget *watched, std::function<void()> onClick) : QObject(watched), m_onClick(std::move(onClick))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->rect().contains(static_cast<QMouseEvent *>(e)->position().toPoint()))
                m_onClick();
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_onClick;
};

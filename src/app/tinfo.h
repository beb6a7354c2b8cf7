#pragma once
// The information window: a tool window on top of the main window with one list of lines
// describing the document, the edit mode and the current layer.

#include <QListWidget>
#include <QStringList>
#include <QWidget>

#include <functional>

class T_Info : public QWidget {
public:
    explicit T_Info(QWidget *owner);

    QListWidget *lb_Info = nullptr;
    /// Called when the user closes the window (the main window releases b_Info).
    std::function<void()> OnClose;

    /// Replaces the lines shown.
    void SetLines(const QStringList &lines);
    /// Pixels from a line's text start to the column where every value starts, in lb_Info's font.
    int ValueColumn() const;
    /// Pixels from a line's left edge to its text.
    int TextMargin() const;

protected:
    void closeEvent(QCloseEvent *e) override;
};

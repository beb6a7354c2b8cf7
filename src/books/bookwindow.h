#pragma once
// A book window: the "Zamknij" bar, the index pane (always the page "000") and the text pane (first
// "100"); links in either pane replace the text pane's page. Created hidden; showing and hiding
// never reload anything.

#include "books/bookpane.h"

#include <QSize>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QPushButton;

/// Shows one error message to the user (the application's error box); tests collect them instead.
using ErrorReporter = std::function<void(const QString &message)>;

struct BookWindowSetup {
    QString caption;
    QString folder;     ///< the book's folder, with a trailing "/"
    QSize clientSize;   ///< pixels
    int indexHeight;    ///< pixels of the index pane
};

class BookWindow : public QWidget {
    Q_OBJECT
public:
    /// Loads "000.xml" into the index pane and "100.xml" into the text pane; a page that fails is
    /// reported and leaves its pane empty. An empty reporter shows a message box captioned "Błąd".
    BookWindow(const BookWindowSetup &setup, ErrorReporter reportError = {}, QWidget *parent = nullptr);

    /// The book folder (Baza_H or Baza_S), ending in "/".
    QString bookFolder() const { return m_folder; }
    BookPane *indexPane() const { return Pomoc_RV_Indeks; }
    BookPane *textPane() const { return Pomoc_RV_Tekst; }
    QAction *copyAction() const { return PM_K; }
    QAction *selectAllAction() const { return PM_W; }

    /// Shows book folder + name + ".xml" in the text pane. On failure reports the error, keeps the
    /// page shown and returns false.
    bool showPage(const QString &name);

    void Pomoc_RV_IndeksJump(int id);
    void Pomoc_RV_TekstJump(int id);
    /// "Zamknij": hides the window and emits closed().
    void Pomoc_SBClick();
    /// The context menu: 1 copies the text pane's selection, 2 selects the whole text pane.
    void PM_Click(int tag);

signals:
    /// The window was put away by "Zamknij" or by the window system: release its button.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool loadInto(BookPane *pane, const QString &name);
    void followLink(BookPane *pane, int id);

    QString m_folder;
    ErrorReporter m_reportError;
    QPushButton *Pomoc_SB;
    BookPane *Pomoc_RV_Indeks;
    BookPane *Pomoc_RV_Tekst;
    QMenu *Pomoc_PM;
    QAction *PM_K;
    QAction *PM_W;
};

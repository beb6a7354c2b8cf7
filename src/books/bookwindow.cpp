#include "books/bookwindow.h"

#include "messages/catalogue.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

BookWindow::BookWindow(const BookWindowSetup &setup, ErrorReporter reportError, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_folder(setup.folder), m_reportError(std::move(reportError))
{
    if (!m_reportError)
        m_reportError = [this](const QString &message) { QMessageBox::critical(this, ErrorCaption(), message); };
    setWindowTitle(setup.caption);
    resize(setup.clientSize);  // the main window chooses the place when it shows the book

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Pomoc_P"));
    bar->setFixedHeight(23);
    bar->setAutoFillBackground(true);
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, QColor(0xE1, 0xE4, 0xFF));
    bar->setPalette(barPalette);
    Pomoc_SB = new QPushButton(QStringLiteral("Zamknij"), bar);
    Pomoc_SB->setObjectName(QStringLiteral("Pomoc_SB"));
    Pomoc_SB->setFlat(true);
    QFont barFont(QStringLiteral("Verdana"));
    barFont.setPixelSize(15);
    Pomoc_SB->setFont(barFont);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(Pomoc_SB);

    Pomoc_RV_Indeks = new BookPane(IndexStyleSheet(), BookPane::PageStyles::Ignore, this);
    Pomoc_RV_Indeks->setObjectName(QStringLiteral("Pomoc_RV_Indeks"));
    Pomoc_RV_Indeks->setFixedHeight(setup.indexHeight);
    // Keys go to the text pane: Ctrl+C and Ctrl+A always act there.
    Pomoc_RV_Indeks->setFocusPolicy(Qt::NoFocus);
    QPalette indexPalette = Pomoc_RV_Indeks->palette();
    indexPalette.setColor(QPalette::Base, indexPalette.color(QPalette::ToolTipBase));
    Pomoc_RV_Indeks->setPalette(indexPalette);
    Pomoc_RV_Tekst = new BookPane(TextStyleSheet(), BookPane::PageStyles::Merge, this);
    Pomoc_RV_Tekst->setObjectName(QStringLiteral("Pomoc_RV_Tekst"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(Pomoc_RV_Indeks);
    layout->addWidget(Pomoc_RV_Tekst, 1);

    Pomoc_PM = new QMenu(this);
    Pomoc_PM->setObjectName(QStringLiteral("Pomoc_PM"));
    PM_K = Pomoc_PM->addAction(QStringLiteral("&Kopiuj"), this, [this] { PM_Click(1); });
    PM_K->setObjectName(QStringLiteral("PM_K"));
    PM_K->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PM_W = Pomoc_PM->addAction(QStringLiteral("Zaznacz &wszystko"), this, [this] { PM_Click(2); });
    PM_W->setObjectName(QStringLiteral("PM_W"));
    PM_W->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    // The shortcuts work wherever the focus is in the window.
    addActions({PM_K, PM_W});
    for (BookPane *pane : {Pomoc_RV_Indeks, Pomoc_RV_Tekst}) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this,
                [this, pane](const QPoint &at) { Pomoc_PM->popup(pane->viewport()->mapToGlobal(at)); });
    }

    connect(Pomoc_SB, &QPushButton::clicked, this, &BookWindow::Pomoc_SBClick);
    connect(Pomoc_RV_Indeks, &BookPane::jump, this, &BookWindow::Pomoc_RV_IndeksJump);
    connect(Pomoc_RV_Tekst, &BookPane::jump, this, &BookWindow::Pomoc_RV_TekstJump);

    loadInto(Pomoc_RV_Indeks, QStringLiteral("000"));
    loadInto(Pomoc_RV_Tekst, QStringLiteral("100"));
}

bool BookWindow::showPage(const QString &name)
{
    return loadInto(Pomoc_RV_Tekst, name);
}

bool BookWindow::loadInto(BookPane *pane, const QString &name)
{
    try {
        pane->loadPage(m_folder + name + QStringLiteral(".xml"));
        return true;
    } catch (const std::exception &e) {
        m_reportError(QString::fromUtf8(e.what()));
        return false;
    }
}

void BookWindow::followLink(BookPane *pane, int id)
{
    const QString tag = pane->linkTag(id);
    if (!tag.isEmpty())
        showPage(tag);
}

void BookWindow::Pomoc_RV_IndeksJump(int id)
{
    followLink(Pomoc_RV_Indeks, id);
}

void BookWindow::Pomoc_RV_TekstJump(int id)
{
    followLink(Pomoc_RV_Tekst, id);
}

void BookWindow::Pomoc_SBClick()
{
    hide();
    emit closed();
}

void BookWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void BookWindow::PM_Click(int tag)
{
    if (tag == 1)
        Pomoc_RV_Tekst->copy();
    else if (tag == 2)
        Pomoc_RV_Tekst->selectAll();
    Pomoc_RV_Tekst->viewport()->update();
}

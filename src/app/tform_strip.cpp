// The reference strip under the editing view, its dictionary popup, and the two book buttons.
#include "books/bookwindows.h"
#include "reference/picturestore.h"
#include "reference/strip.h"
#include "reference/tdict.h"
#include "render/pictures.h"
#include "tform.h"

#include <QRandomGenerator>

void T_Form::wireStrip()
{
    Random = [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
    for (int k = 0; k < 4; ++k)
        i_Tiles[k]->OnClick = [this, k](QMouseEvent *) { Guarded([&] { Dictionary(601 + k); }); };
    for (const char *name : {"p_Picto_Tavelo", "p_Names"})
        if (auto *w = findChild<QWidget *>(name))
            new ClickFilter(w, [this] { Guarded([this] { p_Picto_TaveloClick(); }); });
    for (int tag : {700, 900})
        ButtonByTag(tag)->setCheckable(true);
    connect(ButtonByTag(700), &QAbstractButton::clicked, this, [this] { Guarded([this] { b_HelpClick(); }); });
    connect(ButtonByTag(900), &QAbstractButton::clicked, this, [this] { Guarded([this] { b_SnowMenClick(); }); });
}

void T_Form::AttachWindows(T_Dict *popup, BookWindow *helpBook, BookWindow *snowMenBook)
{
    dict = popup;
    help = helpBook;
    snowMen = snowMenBook;
    // Closing a book from its own window releases its button.
    if (help)
        connect(help, &BookWindow::closed, this, [this] { ButtonByTag(700)->setChecked(false); });
    if (snowMen)
        connect(snowMen, &BookWindow::closed, this, [this] { ButtonByTag(900)->setChecked(false); });
}

void T_Form::p_Picto_TaveloClick()
{
    const std::array<StripChoice, 4> chosen = ChooseStripPictograms(Random);
    for (int i = 0; i < 4; ++i) {
        TDefin[i] = chosen[i].field < lb_Defin.size() ? lb_Defin[chosen[i].field] : QString();
        T_Set_Pikto[i] = chosen[i].number;
    }
    if (dict)
        dict->hide();
    for (int j = 0; j < 4; ++j) {
        QString name;
        QImage picture;
        try {
            picture = ReadReferencePicto(folders.Base_B, T_Set_Pikto[j], name);
        } catch (const std::exception &e) {
            // The refresh stops here: later tiles keep their picture and name.
            m_dialogs.Error(QString::fromUtf8(e.what()));
            return;
        }
        const qsizetype percent = name.indexOf('%');
        if (percent >= 0)
            name[percent] = ' ';
        l_Names[j]->setText(name);
        TWords[j] = name;
        // The reference tile has the preview's look: bicubic, rounded corners, thin grey frame.
        i_Tiles[j]->Picture = RenderPreview(picture);
        i_Tiles[j]->update();
    }
}

void T_Form::Dictionary(int tag)
{
    const int i = tag - 601;
    if (dict == nullptr || i < 0 || i > 3)
        return;
    const QWidget *tile = i_Tiles[i];
    dict->move(pos() + tile->pos() + QPoint(270, 500));
    dict->Words = TWords[i];
    dict->Defin = TDefin[i];
    dict->setVisible(!dict->isVisible());
    if (dict->isVisible())
        dict->FormActivate();
}

void T_Form::b_HelpClick()
{
    if (help)
        help->setVisible(ButtonByTag(700)->isChecked());
}

void T_Form::b_SnowMenClick()
{
    if (snowMen)
        snowMen->setVisible(ButtonByTag(900)->isChecked());
}

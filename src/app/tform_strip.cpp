// The reference strip under the editing view, its dictionary popup, and the two book buttons.
#include "app/placement.h"
#include "app/tform.h"
#include "books/bookwindows.h"
#include "dialogs/tdict.h"
#include "reference/picturestore.h"
#include "reference/strip.h"
#include "render/pictures.h"

namespace {
/// A control's rectangle in screen pixels.
QRect screenRect(const QWidget *w)
{
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}
}

void T_Form::wireStrip()
{
    for (int k = 0; k < 4; ++k)
        i_Tiles[k]->OnClick = [this, k](QMouseEvent *) { Guarded([&] { Dictionary(ControlTag::Tile1 + k); }); };
    for (const char *name : {"p_Picto_Tavelo", "p_Names"})
        if (auto *w = findChild<QWidget *>(name))
            new ClickFilter(w, [this] { Guarded([this] { p_Picto_TaveloClick(); }); });
    for (ControlTag tag : {ControlTag::Help, ControlTag::SnowMen})
        ButtonByTag(tag)->setCheckable(true);
    connect(ButtonByTag(ControlTag::Help), &QAbstractButton::clicked, this,
            [this] { Guarded([this] { b_HelpClick(); }); });
    connect(ButtonByTag(ControlTag::SnowMen), &QAbstractButton::clicked, this,
            [this] { Guarded([this] { b_SnowMenClick(); }); });
}

void T_Form::AttachWindows(T_Dict *popup, BookWindow *helpBook, BookWindow *snowMenBook)
{
    dict = popup;
    help = helpBook;
    snowMen = snowMenBook;
    // Closing a book from its own window releases its button.
    if (help)
        connect(help, &BookWindow::closed, this, [this] { ButtonByTag(ControlTag::Help)->setChecked(false); });
    if (snowMen)
        connect(snowMen, &BookWindow::closed, this, [this] { ButtonByTag(ControlTag::SnowMen)->setChecked(false); });
}

void T_Form::p_Picto_TaveloClick()
{
    const std::array<StripChoice, 4> chosen = ChooseStripPictograms(Random);
    for (int i = 0; i < 4; ++i) {
        T_Set_Pikto[i] = chosen[i].number;
    }
    if (dict)
        dict->hide();
    for (int j = 0; j < 4; ++j) {
        QString name;
        QImage picture;
        try {
            TDefin[j] = MeaningLine(lb_Defin, chosen[j].field, (folders.Base_B + "F.de").toStdString());
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

void T_Form::Dictionary(ControlTag tag)
{
    const int i = tag - ControlTag::Tile1;
    if (dict == nullptr || i < 0 || i > 3)
        return;
    dict->Words = TWords[i];
    dict->Defin = TDefin[i];
    dict->FitTitle();
    const QWidget *tile = i_Tiles[i];
    const QRect strip = screenRect(tile->parentWidget());
    dict->move(PlaceAboveTile(ScreenArea, strip, screenRect(tile), outerSize(dict)).topLeft());
    dict->setVisible(!dict->isVisible());
    if (dict->isVisible())
        dict->FormActivate();
}

void T_Form::b_HelpClick()
{
    if (help == nullptr)
        return;
    if (ButtonByTag(ControlTag::Help)->isChecked())
        ShowBeside(help);
    else
        help->hide();
}

void T_Form::b_SnowMenClick()
{
    if (snowMen == nullptr)
        return;
    if (ButtonByTag(ControlTag::SnowMen)->isChecked())
        ShowBeside(snowMen);
    else
        snowMen->hide();
}

QSize T_Form::outerSize(const QWidget *window) const
{
    const QSize frame = window->frameGeometry().size() - window->size();
    if (!frame.isNull())
        return window->frameGeometry().size();
    return window->size() + (frameGeometry().size() - size());
}

void T_Form::ShowBeside(QWidget *window)
{
    // A window found elsewhere than where it was put has been moved by the user: it stays there.
    // Window managers may shift a window they map by its frame, which is no move of the user's.
    constexpr int WindowManagerShift = 32;
    auto [place, first] = m_sidePlaces.try_emplace(window);
    SidePlace &p = place->second;
    if (!first && (window->pos() - p.at).manhattanLength() > WindowManagerShift)
        p.byUser = true;
    if (!p.byUser) {
        // The layer list below the file buttons, which open and close these windows.
        const QWidget *fileRow = ButtonByTag(ControlTag::Info)->parentWidget();
        QRect over = screenRect(lv_Layers);
        over.setTop(fileRow->mapToGlobal(QPoint(0, fileRow->height())).y());
        const QSize outer = outerSize(window);
        const QRect place = PlaceBesideMain(ScreenArea, frameGeometry(), over, outer);
        p.at = place.topLeft();
        window->move(p.at);
        window->resize(window->size() + place.size() - outer);
    }
    window->show();
}

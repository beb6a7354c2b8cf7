// The lines of the information window, from the document and the edit state alone.
#include "app/hints.h"
#include "app/info.h"
#include "app/tinfo.h"
#include "appfixture.h"
#include "controls.h"

#include <QTest>
#include <QToolTip>

namespace {
PictoDocument documentOf(int layers, int current = -1)
{
    PictoDocument d = ParseDocument(ExampleDocumentTemplate(), "001 A.vkz");
    d.Dimension = uint16_t(layers);
    d.Ind_Curve = current < 0 ? layers - 1 : current;
    return d;
}

QStringList linesOf(const PictoDocument &d, const EditState &e = {}, bool all = true, bool points = true)
{
    return InfoLines({d, all, points, e});
}
}

TEST(InfoLines, NameAndLayerCountAloneWithoutLayers)
{
    PictoDocument empty;
    empty.CFName = "000 Nowy.vkz";
    EXPECT_EQ(linesOf(empty), QStringList({"Nazwa rysunku -  000 Nowy.vkz", "Rysunek składa się z 0 warstw"}));
    for (const auto &[n, ending] : {std::pair{1, " warstwy"}, {2, " warstw"}, {5, " warstw"}, {22, " warstw"}}) {
        PictoDocument d = documentOf(std::min(n, 8), 0);
        d.Dimension = uint16_t(n);
        EXPECT_EQ(linesOf(d)[1], QStringLiteral("Rysunek składa się z %1").arg(n) + ending) << n;
    }
}

TEST(InfoLines, TheDocumentStateAndTheCurrentLayersProperties)
{
    PictoDocument d = documentOf(5, 1);  // layer 1: a blob, width 16, open, tension 0,50, 12 points
    d.RModif = true;
    EditState e;
    e.IMode = 6;
    EXPECT_EQ(linesOf(d, e), QStringList({
                                 "Nazwa rysunku -  001 A.vkz",
                                 "Rysunek składa się z 5 warstw",
                                 "Pokazane są wszystkie warstwy",
                                 "Czynna funkcjonalnie jest warstwa o numerze 1",
                                 "Pokazane są punkty i numery punktów warstwy czynnej funkcjonalnie",
                                 "Dokonano zmian",
                                 "",
                                 "Tryb",
                                 "  Przesuwanie warstwy. Przytrzymaj lewy przycisk myszki i zacznij przesuwać",
                                 "",
                                 "Typ Warstwy:",
                                 "  Plama               ",
                                 "",
                                 "Własności krzywej opisującej plamę, linię, kropki...",
                                 "  Wielkość        16",
                                 "  Domkniętość     0",
                                 "  Krzywizna       0,50",
                                 "  Ilość punktów   12",
                             }));
    d.RModif = false;
    d.TCurveStruct[1].Tension = 0;
    const QStringList other = linesOf(d, e, false, false);
    EXPECT_EQ(other[2], "Pokazana jest tylko warstwa, która jest czynna funkcjonalnie");
    EXPECT_EQ(other[4], "Wszystkie punkty i numery punktów są ukryte");
    EXPECT_EQ(other[5], "Nie dokonano żadnych zmian");
    EXPECT_EQ(other[16], "  Krzywizna       0,00");
}

TEST(InfoLines, ABackgroundLayerHasNoPropertyBlock)
{
    const QStringList lines = linesOf(documentOf(3, 0));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"", "Typ Warstwy:", "  Tło  "}));
}

TEST(InfoLines, TheModeLineFollowsTheModeAndThePointerShape)
{
    const struct {
        int mode;
        PointerShape shape;
        bool draft;
        QStringList lines;
    } cases[] = {
        {0, crHandPoint, true,
         {"  Rysowanie z ręki",
          "  Ustaw kursor na początku kształtu. Przytrzymaj lewy przycisk myszki i zacznij szkicowanie"}},
        {0, crHandPoint, false, {"  Rysowanie z ręki", "  Koniec szkicowania"}},
        {0, crCross, true, {"  Rysowanie z ręki", "  Szkicowanie "}},
        {0, crDrag, true, {"  Rysowanie z ręki"}},
        {1, crDrag, false, {"  Dodawanie punktów na końcu. Wybierz miejsce i kliknij, aby dodać punkt"}},
        {2, crHandPoint, false, {"  Szukanie punktu, za którym chcesz dodać punkt"}},
        {2, crDrag, false, {"  Punkt numer 7 znaleziony. Kliknij, aby potwierdzić"}},
        {2, crCross, false, {}},
        {3, crHandPoint, false, {"  Szukanie punktu, który chcesz usunąć"}},
        {3, crDrag, false, {"  Punkt numer 7 znaleziony. Kliknij, aby usunąć"}},
        {4, crHandPoint, false, {"  Szukanie punktu, który chcesz przesunąć"}},
        {4, crDrag, false,
         {"  Punkt numer  7 znaleziony. Przytrzymaj lewy przycisk myszki i zacznij przesuwać"}},
        {5, crHandPoint, false, {"  Zmiana rozmiaru warstwy - wykorzystaj suwak "}},
        {7, crHandPoint, false, {"  Obracanie warstwy - wykorzystaj suwak "}},
        {11, crCross, false, {"  Ustaw kursor i kliknij, aby wstawić punkt"}},
        {8, crHandPoint, false, {}},
        {-1, crHandPoint, false, {}},
    };
    const PictoDocument d = documentOf(1, 0);
    for (const auto &c : cases) {
        EditState e;
        e.IMode = c.mode;
        e.Shape = c.shape;
        e.B_Draft = c.draft;
        e.Nr_XY = 7;
        const QStringList lines = linesOf(d, e);
        const int tryb = int(lines.indexOf("Tryb"));
        ASSERT_GT(tryb, 0);
        // The mode lines run from "Tryb" to the empty line before the layer block.
        EXPECT_EQ(lines.mid(tryb + 1, lines.size() - tryb - 4), c.lines) << c.mode << " " << c.shape;
    }
}

namespace {
class ExplainTest : public ProgramFolderTest {};
}

TEST_F(ExplainTest, TheInfoButtonShowsTheWindowAndClosingItReleasesTheButton)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    auto form = start();
    form->show();
    QAbstractButton *b_Info = ButtonOf(*form, ControlTag::Info);
    T_Info *info = Control<T_Info>(*form, "T_Info");
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(info->lb_Info->count(), 0);  // hidden: ShowInfo costs nothing
    b_Info->click();
    EXPECT_TRUE(b_Info->isChecked());
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), "Informacja o parametrach projektu");
    EXPECT_EQ(info->lb_Info->item(0)->text(), "Nazwa rysunku -  001 A.vkz");
    // A change of the document is shown with it: here a layer duplicated.
    ClickButton(*form, ControlTag::LayerDuplicate);
    EXPECT_EQ(info->lb_Info->item(5)->text(), "Dokonano zmian");
    info->close();
    EXPECT_FALSE(b_Info->isChecked());
    b_Info->click();
    EXPECT_TRUE(info->isVisible());
    b_Info->click();
    EXPECT_FALSE(info->isVisible());
}

TEST_F(ExplainTest, EachTaggedControlGetsItsHintAtTheFirstMoveOverIt)
{
    auto form = start();
    form->show();
    std::map<int, QWidget *> byTag;
    for (QWidget *w : form->findChildren<QWidget *>())
        if (const int tag = w->property("tag").toInt())
            byTag.emplace(tag, w);
    for (const R_Hint &row : HintTable()) {
        ASSERT_TRUE(byTag.count(int(row.ITag))) << int(row.ITag);
        QWidget *w = byTag[int(row.ITag)];
        EXPECT_TRUE(w->toolTip().isEmpty()) << int(row.ITag);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(w, &enter);
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.Text)) << int(row.ITag);
        EXPECT_EQ(w->toolTipDuration(), 5000) << int(row.ITag);
    }
    EXPECT_EQ(byTag[130]->toolTip(), "Ustaw tryb - rysowanie \"z ręki\"");
    EXPECT_EQ(Control(*form, "i_Projekt")->toolTipDuration(), 50000);
    // The hint really shows when the pointer rests.
    QWidget *save = ButtonOf(*form, ControlTag::SavePicto);
    QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), save->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(save, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Zapisz obraz piktogramu");
    QToolTip::hideText();
}

#include "app/info.h"

namespace {
/// The labels whose lines end in a value, padded with spaces to the same width.
const QString NameLabel = QStringLiteral("Nazwa rysunku -  ");
const QString WidthLabel = QStringLiteral("  Wielkość        ");
const QString ClosureLabel = QStringLiteral("  Domkniętość     ");
const QString TensionLabel = QStringLiteral("  Krzywizna       ");
const QString CountLabel = QStringLiteral("  Ilość punktów   ");

/// The instruction line of the edit mode for the view's pointer shape; empty when there is none.
QString modeLine(const EditState &e)
{
    const QString nr = QString::number(e.Nr_XY);
    switch (e.IMode) {
    case 0:
        return {};  // two lines: handled by the caller
    case 1: return QStringLiteral("  Dodawanie punktów na końcu. Wybierz miejsce i kliknij, aby dodać punkt");
    case 2:
        if (e.Shape == crHandPoint)
            return QStringLiteral("  Szukanie punktu, za którym chcesz dodać punkt");
        if (e.Shape == crDrag)
            return QStringLiteral("  Punkt numer ") + nr + QStringLiteral(" znaleziony. Kliknij, aby potwierdzić");
        return {};
    case 3:
        if (e.Shape == crHandPoint)
            return QStringLiteral("  Szukanie punktu, który chcesz usunąć");
        if (e.Shape == crDrag)
            return QStringLiteral("  Punkt numer ") + nr + QStringLiteral(" znaleziony. Kliknij, aby usunąć");
        return {};
    case 4:
        if (e.Shape == crHandPoint)
            return QStringLiteral("  Szukanie punktu, który chcesz przesunąć");
        if (e.Shape == crDrag)
            return QStringLiteral("  Punkt numer  ") + nr
                   + QStringLiteral(" znaleziony. Przytrzymaj lewy przycisk myszki i zacznij przesuwać");
        return {};
    case 5: return QStringLiteral("  Zmiana rozmiaru warstwy - wykorzystaj suwak ");
    case 6: return QStringLiteral("  Przesuwanie warstwy. Przytrzymaj lewy przycisk myszki i zacznij przesuwać");
    case 7: return QStringLiteral("  Obracanie warstwy - wykorzystaj suwak ");
    case 11: return QStringLiteral("  Ustaw kursor i kliknij, aby wstawić punkt");
    default: return {};
    }
}

void addModeLines(QStringList &out, const EditState &e)
{
    if (e.IMode == 0) {
        out << QStringLiteral("  Rysowanie z ręki");
        if (e.Shape == crHandPoint)
            out << (e.B_Draft ? QStringLiteral("  Ustaw kursor na początku kształtu. Przytrzymaj lewy przycisk myszki "
                                               "i zacznij szkicowanie")
                              : QStringLiteral("  Koniec szkicowania"));
        else if (e.Shape == crCross)
            out << QStringLiteral("  Szkicowanie ");
        return;
    }
    const QString line = modeLine(e);
    if (!line.isEmpty())
        out << line;
}

void addLayerLines(QStringList &out, const R_Curve &c)
{
    static const char *const kinds[] = {"  Tło  ", "  Plama               ", "  Linia ciągła        ",
                                        "  Linia kropkowana    ", "  Kropki              "};
    out << QString() << QStringLiteral("Typ Warstwy:");
    if (c.TypeC >= 0 && c.TypeC <= 4)
        out << QString::fromUtf8(kinds[c.TypeC]);
    if (c.TypeC < 1 || c.TypeC > 4)
        return;
    const QString tension = QString::number(double(c.Tension), 'f', 2).replace('.', ',');
    out << QString() << QStringLiteral("Własności krzywej opisującej plamę, linię, kropki...")
        << WidthLabel + QString::number(c.Width) << ClosureLabel + QString::number(int(c.Closure))
        << TensionLabel + tension << CountLabel + QString::number(c.Count);
}
}

QStringList InfoLines(const InfoInput &in)
{
    const PictoDocument &d = in.doc;
    QStringList out;
    out << NameLabel + QString::fromStdString(d.CFName);
    out << QStringLiteral("Rysunek składa się z ") + QString::number(d.Dimension)
               + (d.Dimension == 1 ? QStringLiteral(" warstwy") : QStringLiteral(" warstw"));
    if (d.Dimension == 0)
        return out;
    out << (in.allLayers ? QStringLiteral("Pokazane są wszystkie warstwy")
                         : QStringLiteral("Pokazana jest tylko warstwa, która jest czynna funkcjonalnie"));
    out << QStringLiteral("Czynna funkcjonalnie jest warstwa o numerze ") + QString::number(d.Ind_Curve);
    out << (in.pointsAndNumbers ? QStringLiteral("Pokazane są punkty i numery punktów warstwy czynnej funkcjonalnie")
                                : QStringLiteral("Wszystkie punkty i numery punktów są ukryte"));
    out << (d.RModif ? QStringLiteral("Dokonano zmian") : QStringLiteral("Nie dokonano żadnych zmian"));
    out << QString() << QStringLiteral("Tryb");
    addModeLines(out, in.edit);
    if (d.Ind_Curve >= 0 && d.Ind_Curve < d.Dimension && d.Ind_Curve < int(d.TCurveStruct.size()))
        addLayerLines(out, d.TCurveStruct[d.Ind_Curve]);
    return out;
}

InfoColumns SplitInfoLine(const QString &line)
{
    for (const QString &label : {NameLabel, WidthLabel, ClosureLabel, TensionLabel, CountLabel})
        if (line.startsWith(label)) {
            QString shown = label;  // the indent stays, the padding gives way to the column
            while (shown.endsWith(QLatin1Char(' ')))
                shown.chop(1);
            return {shown, line.mid(label.size())};
        }
    return {line, QString()};
}

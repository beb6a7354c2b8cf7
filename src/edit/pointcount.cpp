#include "edit/edithost.h"

#include <QRegularExpression>

std::optional<int> ParsePointCount(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    const QString t = text.trimmed();
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    const int n = t.toInt();
    if (n < 3 || n > 40)
        return std::nullopt;
    return n;
}

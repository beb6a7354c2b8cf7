#include "books/bookstyles.h"

#include <QBrush>
#include <QFont>

namespace {

/// A Unicode text style; sizes in points.
TextStyle textStyle(const QString &name, const QString &family, qreal size, QFont::Weight weight = QFont::Normal,
                    QColor color = Qt::black)
{
    TextStyle s;
    s.name = name;
    if (!family.isEmpty())
        s.format.setFontFamilies({family});
    s.format.setFontPointSize(size);
    s.format.setFontWeight(weight);
    s.format.setForeground(color);
    return s;
}

TextStyle jumpStyle(const QString &name)
{
    TextStyle s = textStyle(name, QStringLiteral("Verdana"), 10, QFont::Normal, Qt::blue);
    s.format.setFontUnderline(true);
    s.jump = true;
    return s;
}

ParaStyle paraStyle(const QString &name, Qt::Alignment align)
{
    ParaStyle p;
    p.name = name;
    p.format.setAlignment(align);
    return p;
}

} // namespace

const TextStyle &BookStyleSheet::textStyle(int number) const
{
    const auto it = text.find(number);
    return it != text.end() ? it->second : text.at(0);
}

const ParaStyle &BookStyleSheet::paraStyle(int number) const
{
    const auto it = para.find(number);
    return it != para.end() ? it->second : para.at(0);
}

int BookStyleSheet::firstJumpStyle() const
{
    for (const auto &[number, style] : text)
        if (style.jump)
            return number;
    return -1;
}

BookStyleSheet BookStyleSheet::mergedWith(const BookStyleSheet &other) const
{
    BookStyleSheet merged = *this;
    for (const auto &[number, style] : other.text)
        merged.text[number] = style;
    for (const auto &[number, style] : other.para)
        merged.para[number] = style;
    return merged;
}

BookStyleSheet IndexStyleSheet()
{
    BookStyleSheet sheet;
    sheet.text[0] = textStyle(QStringLiteral("normal"), QStringLiteral("Verdana"), 10);
    sheet.text[1] = jumpStyle(QStringLiteral("jump"));
    sheet.text[2] = textStyle(QStringLiteral("symbol"), QStringLiteral("Symbol"), 10);
    sheet.para[0] = paraStyle(QStringLiteral("center"), Qt::AlignHCenter);
    return sheet;
}

BookStyleSheet TextStyleSheet()
{
    BookStyleSheet sheet;
    sheet.text[0] = textStyle(QStringLiteral("Normal"), QStringLiteral("Verdana"), 10);
    sheet.text[1] = textStyle(QStringLiteral("Heading"), QStringLiteral("Verdana"), 18, QFont::Bold);
    sheet.text[2] = textStyle(QStringLiteral("Subheading"), QStringLiteral("Verdana"), 14, QFont::Bold, QColor(0, 0, 128));
    sheet.text[3] = textStyle(QStringLiteral("Italic"), QStringLiteral("Verdana"), 10);
    sheet.text[3].format.setFontItalic(true);
    sheet.text[4] = textStyle(QStringLiteral("Keyword"), QStringLiteral("Verdana"), 10, QFont::Bold);
    sheet.text[5] = jumpStyle(QStringLiteral("Jump"));
    sheet.text[6] = textStyle(QStringLiteral("Bold"), QStringLiteral("Verdana"), 10, QFont::Bold);
    sheet.text[7] = textStyle(QStringLiteral("Center"), QStringLiteral("Verdana"), 10);
    sheet.text[7].format.setBackground(Qt::black);

    ParaStyle left = paraStyle(QStringLiteral("Left"), Qt::AlignLeft);
    left.format.setTextIndent(30);
    left.format.setLeftMargin(30);
    left.format.setRightMargin(30);
    sheet.para[0] = left;
    ParaStyle heading = paraStyle(QStringLiteral("Heading"), Qt::AlignHCenter);
    // Indents 20 plus the border offset of 2 on each side of the silver band.
    heading.format.setLeftMargin(22);
    heading.format.setRightMargin(22);
    heading.format.setTopMargin(7);
    heading.format.setBottomMargin(7);
    heading.format.setBackground(QColor(192, 192, 192));
    sheet.para[1] = heading;
    sheet.para[2] = paraStyle(QStringLiteral("Center"), Qt::AlignHCenter);
    return sheet;
}

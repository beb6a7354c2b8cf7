#include "app/tinfo.h"

#include "app/info.h"
#include "render/fonts.h"

#include <QCloseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
enum { LabelRole = Qt::UserRole, ValueRole };

/// Draws a line's label (or the whole line) at the left and its value in the window's value
/// column, so the values stand one under another whatever the font's widths.
class ColumnsDelegate : public QStyledItemDelegate {
public:
    ColumnsDelegate(const T_Info &window, QObject *parent) : QStyledItemDelegate(parent), m_window(window) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString value = index.data(ValueRole).toString();
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        p->save();
        p->setFont(o.font);
        p->setPen(o.palette.color(QPalette::Text));
        const QRect line = o.rect.adjusted(m_window.TextMargin(), 0, 0, 0);
        p->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, index.data(LabelRole).toString());
        if (!value.isEmpty())
            p->drawText(line.adjusted(m_window.ValueColumn(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, value);
        p->restore();
    }

private:
    const T_Info &m_window;
};
}

T_Info::T_Info(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName("T_Info");
    setWindowTitle(QStringLiteral("Informacja o parametrach projektu"));
    resize(632, 328);  // the main window places it beside itself when it is shown
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xD9, 0xED, 0xCD));
    setPalette(pal);
    lb_Info = new QListWidget(this);
    lb_Info->setObjectName("lb_Info");
    lb_Info->setFrameShape(QFrame::NoFrame);
    lb_Info->setSelectionMode(QAbstractItemView::NoSelection);
    lb_Info->setFocusPolicy(Qt::NoFocus);
    QFont f(InterfaceFontFamily());
    f.setPixelSize(13);
    lb_Info->setFont(f);
    lb_Info->setStyleSheet(QStringLiteral("QListWidget { background: #F7F3CC; } QListWidget::item { height: 18px; }"));
    lb_Info->setItemDelegate(new ColumnsDelegate(*this, lb_Info));
    auto *fill = new QVBoxLayout(this);  // the list fills the window at any size
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(lb_Info);
}

int T_Info::TextMargin() const
{
    return 3;
}

int T_Info::ValueColumn() const
{
    // Right of the widest label on show, with a gap of a few spaces' width.
    const QFontMetrics metrics(lb_Info->font());
    int widest = 0;
    for (int row = 0; row < lb_Info->count(); ++row)
        if (!lb_Info->item(row)->data(ValueRole).toString().isEmpty())
            widest = std::max(widest, metrics.horizontalAdvance(lb_Info->item(row)->data(LabelRole).toString()));
    return widest + 3 * metrics.horizontalAdvance(QLatin1Char(' '));
}

void T_Info::SetLines(const QStringList &lines)
{
    lb_Info->clear();
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line, lb_Info);
        const InfoColumns columns = SplitInfoLine(line);
        item->setData(LabelRole, columns.label);
        item->setData(ValueRole, columns.value);
    }
}

void T_Info::closeEvent(QCloseEvent *e)
{
    QWidget::closeEvent(e);
    if (OnClose)
        OnClose();
}

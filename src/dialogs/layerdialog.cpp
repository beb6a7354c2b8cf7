#include "dialogs/layerdialog.h"

#include "render/fonts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

T_Layer::T_Layer(QWidget *parent) : QDialog(parent)
{
    setObjectName("T_Layer");
    setWindowTitle(QStringLiteral("Warstwa"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(197, 178);
    QFont f(InterfaceFontFamily());
    f.setPixelSize(12);
    setFont(f);

    gb_Typ = new QGroupBox(QStringLiteral("Typ"), this);
    gb_Typ->setObjectName("gb_Typ");
    gb_Typ->setGeometry(0, 0, 193, 142);
    static const char *const names[] = {"Tło", "Plama", "Linia ciągła", "Kropkowana", "Kropki", "Linia szkicowana"};
    for (int tag = 0; tag < 6; ++tag) {
        rb[tag] = new QRadioButton(QString::fromUtf8(names[tag]), gb_Typ);
        rb[tag]->setObjectName(QStringLiteral("rb_%1").arg(tag));
        rb[tag]->setGeometry(8, 15 + tag * 20, 130, 20);
        connect(rb[tag], &QRadioButton::toggled, this, [this, tag](bool on) {
            if (on)
                rb_TypeClick(tag);
        });
    }
    e_Pkt = new QLineEdit(QStringLiteral("12"), this);
    e_Pkt->setObjectName("e_Pkt");
    e_Pkt->setGeometry(140, 115, 24, 22);
    // The allowed counts stand right above the field, in the free column beside "Kropki".
    l_PktRange = new QLabel(QStringLiteral("(3–40)"), this);
    l_PktRange->setObjectName("l_PktRange");
    l_PktRange->setGeometry(140, 97, 55, 18);
    connect(e_Pkt, &QLineEdit::textEdited, this, [this] { l_PktRange->setStyleSheet(QString()); });
    ud_Pkt = new QWidget(this);
    ud_Pkt->setObjectName("ud_Pkt");
    ud_Pkt->setGeometry(164, 115, 15, 22);
    ud_Up = new QToolButton(ud_Pkt);
    ud_Up->setArrowType(Qt::UpArrow);
    ud_Up->setGeometry(0, 0, 15, 11);
    ud_Down = new QToolButton(ud_Pkt);
    ud_Down->setArrowType(Qt::DownArrow);
    ud_Down->setGeometry(0, 11, 15, 11);
    connect(ud_Up, &QToolButton::clicked, this, [this] { step(1); });
    connect(ud_Down, &QToolButton::clicked, this, [this] { step(-1); });

    b_OK = new QPushButton(QStringLiteral("OK"), this);
    b_OK->setObjectName("b_OK");
    b_OK->setGeometry(8, 148, 75, 25);
    b_OK->setDefault(true);
    b_Cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    b_Cancel->setObjectName("b_Cancel");
    b_Cancel->setGeometry(104, 148, 75, 25);
    connect(b_OK, &QPushButton::clicked, this, [this] { b_OKClick(); });
    connect(b_Cancel, &QPushButton::clicked, this, [this] { b_CancelClick(); });
}

void T_Layer::step(int delta)
{
    // The arrows go on from the typed number when there is one.
    if (const std::optional<int> typed = ParsePointCount(e_Pkt->text()))
        m_position = *typed;
    m_position = std::clamp(m_position + delta, 3, 40);
    e_Pkt->setText(QString::number(m_position));
}

void T_Layer::FormActivate(bool hasBackground)
{
    B_Back = hasBackground;
    rb[0]->setEnabled(!B_Back);
    rb[B_Back ? 1 : 0]->setChecked(true);
}

void T_Layer::rb_TypeClick(int tag)
{
    rg_Type = tag;
}

void T_Layer::b_OKClick()
{
    N_Point = -1;
    if (rg_Type == 5) {
        // A text that is not a whole number 3 … 40 makes no layer: the dialog stays open on it.
        const std::optional<int> n = ParsePointCount(e_Pkt->text());
        if (!n) {
            QApplication::beep();
            l_PktRange->setStyleSheet(QStringLiteral("QLabel { color: #C00000; font-weight: bold; }"));
            e_Pkt->setFocus();
            e_Pkt->selectAll();
            return;
        }
        N_Point = *n;
    }
    accept();
}

void T_Layer::b_CancelClick()
{
    N_Point = -1;
    reject();
}

std::optional<LayerChoice> T_Layer::Ask(bool hasBackground)
{
    FormActivate(hasBackground);
    N_Point = -1;
    l_PktRange->setStyleSheet(QString());
    placeOnOwner();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return LayerChoice{rg_Type, N_Point};
}

void T_Layer::placeOnOwner()
{
    const QWidget *owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr)
        return;
    if (!m_offset) {
        // Computed once: the frame of a dialog never shown is not known, the main window's stands in.
        const QSize frame = owner->frameGeometry().size() - owner->size();
        const QSize outer = frameGeometry().size() == size() ? size() + frame : frameGeometry().size();
        m_offset = QPoint((owner->frameGeometry().width() - outer.width()) / 2,
                          (owner->frameGeometry().height() - outer.height()) / 2);
    }
    move(owner->pos() + *m_offset);
}

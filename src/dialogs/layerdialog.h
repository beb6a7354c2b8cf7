#pragma once
// T_Layer, the dialog "Warstwa" that asks for the kind of a new layer: background, blob, solid
// line, dotted line, dots, or a solid line of a chosen number of points to be sketched.

#include "edit/edithost.h"

#include <QDialog>

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class T_Layer : public QDialog {
public:
    explicit T_Layer(QWidget *parent = nullptr);

    /// Shows the dialog modally for a document that has a background layer or not;
    /// the kind and point count on OK, nullopt on any other way out.
    std::optional<LayerChoice> Ask(bool hasBackground);

    /// Prepares an opening: "Tło" only without a background layer, and checked then, else "Plama".
    void FormActivate(bool hasBackground);
    void rb_TypeClick(int tag);
    void b_OKClick();
    void b_CancelClick();

    int N_Point = -1;     ///< points of a sketched line chosen with OK, −1 otherwise
    bool B_Back = false;  ///< the document already has a background layer
    int rg_Type = 0;      ///< the chosen kind: the tag of the checked radio button

    QGroupBox *gb_Typ = nullptr;
    QRadioButton *rb[6] = {};  ///< rb_0 … rb_5
    QLineEdit *e_Pkt = nullptr;
    QLabel *l_PktRange = nullptr;  ///< the allowed point counts, shown beside e_Pkt; red after a refusal
    QWidget *ud_Pkt = nullptr;
    QToolButton *ud_Up = nullptr, *ud_Down = nullptr;
    QPushButton *b_OK = nullptr, *b_Cancel = nullptr;

private:
    void step(int delta);
    int m_position = 12;  ///< the arrows' position, 3 … 40
    /// Moves the dialog to its one place, centred on the main window as first computed.
    void placeOnOwner();
    std::optional<QPoint> m_offset;  ///< the dialog's outer top-left from the main window's, pixels
};

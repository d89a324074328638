#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <functional>
#include <optional>

class QKeyEvent;

namespace Ui {

// The mouse button a key stands for on a control that acts on the press:
// Space and Enter the left one, the context-menu key and Shift+F10 the right one.
std::optional<Qt::MouseButton> boutonDuClavier(const QKeyEvent *touche);
// A surface that acts on the mouse press acts the same on those keys: appuie
// gets the button once a press (not on auto-repeat). False for any other key.
bool appuiDuClavier(QKeyEvent *touche, const std::function<void(Qt::MouseButton)> &appuie);

} // namespace Ui

// The custom button every window is built from: a gradient background,
// a caption or a picture, a highlight colour under the pointer.
class VantelBttn : public QAbstractButton
{
    Q_OBJECT
public:
    // Gradient directions: 0 top to bottom, 1 left to right.
    enum Sens { Vertical = 0, Horizontal = 1 };

    explicit VantelBttn(const QString &caption = QString(), QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setGradientBackColor(bool degrade);
    void setGradientColorStart(const QColor &c);
    void setGradientColorEnd(const QColor &c);
    void setGradientSens(int sens);
    void setForecolor(const QColor &c);
    void setHighlightColor(const QColor &c);
    void setBackcolor(const QColor &c);
    void setBackcolorOver(const QColor &c);
    void setPicture(const QIcon &icone);
    // Caption drawn at the left rather than centred.
    void setCaptionAGauche(bool gauche);
    // Text shown as tooltip while the application-wide switch is on.
    void setInfoBulle(const QString &texte);
    QString infoBulle() const { return m_infoBulle; }

    // What assistive technology is told the control is: a button, a piece of
    // the frame (nothing to say), or a text (a strip that carries a caption).
    enum class Nature { Bouton, Decor, Texte };
    void setNature(Nature nature) { m_nature = nature; }
    Nature nature() const { return m_nature; }
    // The name read out: an explicit accessible name, else the caption, else
    // the tooltip text, else nomParDefaut; nomCalcule, when set, wins over all.
    void setNomParDefaut(const QString &nom) { m_nomParDefaut = nom; }
    void setNomCalcule(std::function<QString()> nom) { m_nomCalcule = std::move(nom); }
    QString nomAccessible() const;
    // Tells assistive technology that the name read out changed: a computed
    // name changes with what it depends on, unseen by the button.
    void annonceNom();
    // A button that stands for something on or off (a tool's window, a view)
    // is read as a toggle, checked while coche says so.
    void setCoche(std::function<bool()> coche) { m_coche = std::move(coche); }
    std::optional<bool> coche() const;
    // Tells assistive technology that the state coche reads changed.
    void annonceCoche();
    // A day of a grid of buttons: read as a table cell at that place,
    // selected while choisie says so.
    struct Cellule
    {
        int ligne = 0;
        int colonne = 0;
        std::function<bool()> choisie;
    };
    void setCellule(Cellule cellule) { m_cellule = std::move(cellule); }
    const std::optional<Cellule> &cellule() const { return m_cellule; }
    void annonceChoix();
    // What a press of that mouse button does (the keyboard and assistive
    // technology use it): the press itself, then the click for the left one.
    void actionne(Qt::MouseButton bouton);
    // Whether the right button does anything of its own.
    bool aActionDroite() const;

    QColor gradientColorStart() const { return m_debut; }
    QColor gradientColorEnd() const { return m_fin; }
    QColor forecolor() const { return m_texte; }
    QColor highlightColor() const { return m_lumiere; }
    int gradientSens() const { return m_sens; }
    bool survole() const { return m_survol; }

    QSize sizeHint() const override;

signals:
    // Any mouse button pressed on the control (the click comes on release).
    void appuye(Qt::MouseButton bouton);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void rafraichitInfoBulle();

    bool m_degrade = true;
    QColor m_debut{0, 128, 128};
    QColor m_fin{224, 224, 224};
    int m_sens = Vertical;
    QColor m_texte{0, 0, 0};
    QColor m_lumiere{108, 255, 222};
    QColor m_fond{0, 128, 128};
    QColor m_fondSurvol{0, 210, 210};
    QIcon m_image;
    bool m_aGauche = false;
    bool m_survol = false;
    QString m_infoBulle;
    Nature m_nature = Nature::Bouton;
    QString m_nomParDefaut;
    std::function<QString()> m_nomCalcule;
    std::function<bool()> m_coche;
    std::optional<Cellule> m_cellule;
};

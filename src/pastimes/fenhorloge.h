#pragma once

#include "ui/fenetre.h"
#include "pastimes/horlogegeo.h"

#include <QColor>
#include <array>

class QTimer;
class VantelBttn;

// The dial: the twelve numerals and the three hands, in twips inside it.
class CadranHorloge : public QWidget
{
    Q_OBJECT
public:
    explicit CadranHorloge(QWidget *parent = nullptr);

    void setAiguilles(const Horloge::Aiguilles &aiguilles);
    const Horloge::Aiguilles &aiguilles() const { return m_aiguilles; }
    void setCouleurAiguilles(const QColor &couleur);
    QColor couleurAiguilles() const { return m_couleurAiguilles; }
    // Top-left corner of numeral i (1 to 12), in twips, for the dial's font.
    QPointF coinChiffre(int i) const { return m_coins[i]; }

signals:
    void appuye(Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeChiffres();

    Horloge::Aiguilles m_aiguilles;
    QColor m_couleurAiguilles;
    std::array<QPointF, 13> m_coins{};
};

// The analog clock, opened and closed from the toolbox only.
class FenHorloge : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenHorloge(QWidget *parent = nullptr);

    // Sets the hands to the time of day and waits for the next wall-clock second.
    void tic();

    VantelBttn *CmdDeplaceFen = nullptr;
    std::array<VantelBttn *, 8> Forme{}; // Forme[1] .. Forme[7]
    CadranHorloge *FondHorloge = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // No close button: Escape closes it as the toolbox would.
    void echappe() override;

private:
    void appliqueCouleurs();
};

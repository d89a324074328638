#pragma once

#include "pastimes/horloge.h"

#include <QColor>
#include <QWidget>
#include <array>

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

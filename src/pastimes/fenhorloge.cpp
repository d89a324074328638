#include "pastimes/fenhorloge.h"

#include "ui/couleurqt.h"
#include "base/partage.h"
#include "base/plateforme.h"
#include "base/twips.h"
#include "ui/vantelbttn.h"
#include "ui/appliquecouleurs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
constexpr int Largeur = 3195;
constexpr int Hauteur = 3225;

QPointF enPixels(const QPointF &twips)
{
    return twips / TwipsParPixel;
}
} // namespace

CadranHorloge::CadranHorloge(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FondHorloge"));
    setMouseTracking(true);
    // Tab reaches it (Space keeps the clock on top); a click leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(QStringLiteral("Horloge analogique"));
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(8.25);
    police.setBold(true);
    setFont(police);
    placeChiffres();
}

void CadranHorloge::placeChiffres()
{
    const QFontMetrics mesure(font());
    for (int i = 1; i <= 12; ++i) {
        const QString texte = Horloge::texteChiffre(i);
        m_coins[i] = Horloge::coinChiffre(i, twips(mesure.horizontalAdvance(texte)), twips(mesure.height()));
    }
}

void CadranHorloge::setAiguilles(const Horloge::Aiguilles &aiguilles)
{
    m_aiguilles = aiguilles;
    update();
}

void CadranHorloge::setCouleurAiguilles(const QColor &couleur)
{
    m_couleurAiguilles = couleur;
    update();
}

void CadranHorloge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics mesure(font());
    for (int i = 1; i <= 12; ++i) {
        const QString texte = Horloge::texteChiffre(i);
        const QRectF zone(enPixels(m_coins[i]), QSizeF(mesure.horizontalAdvance(texte), mesure.height()));
        p.drawText(zone, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
    }
    for (const Horloge::Aiguille *a : {&m_aiguilles.seconde, &m_aiguilles.minute, &m_aiguilles.heure}) {
        p.setPen(QPen(m_couleurAiguilles, a->epaisseur, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(enPixels(a->debut), enPixels(a->fin));
    }
}

void CadranHorloge::mousePressEvent(QMouseEvent *event)
{
    emit appuye(event->button());
}

void CadranHorloge::keyPressEvent(QKeyEvent *event)
{
    if (const auto bouton = boutonDuClavier(event)) {
        if (!event->isAutoRepeat())
            emit appuye(*bouton);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CadranHorloge::mouseMoveEvent(QMouseEvent *event)
{
    setToolTip(partage().infoBullesActives ? QStringLiteral("Cliquer pour conserver le calendrier au premier plan")
                                           : QString());
    QWidget::mouseMoveEvent(event);
}

FenHorloge::FenHorloge(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenHorloge"));
    setAttribute(Qt::WA_DeleteOnClose);
    CmdDeplaceFen = creeBoutonDeplacement(QString(), 0, 0, Largeur, 315);
    setWindowTitle(QStringLiteral("Horloge analogique"));
    Forme[1] = creeForme(0, 300, Largeur, 315);
    Forme[2] = creeForme(0, 615, 600, 1000);
    Forme[3] = creeForme(0, 1615, 600, 1000);
    Forme[4] = creeForme(2600, 615, 595, 1000);
    Forme[5] = creeForme(2600, 1615, 595, 1000);
    Forme[7] = creeForme(0, 2610, Largeur, 315);
    Forme[6] = creeForme(0, 2910, Largeur, 315);

    FondHorloge = new CadranHorloge(this);
    placeTwips(FondHorloge, 600, 615, 2000, 2000);
    connect(FondHorloge, &CadranHorloge::appuye, this, &FenetreZelund::basculePremierPlan);

    // Single shots, each one re-armed for the next wall-clock second, so
    // that the second hand never lags the real second.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &FenHorloge::tic);

    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
    tic();
}

void FenHorloge::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdDeplaceFen, Forme[2], Forme[4], Forme[7]};
    a.degradeInverse = {Forme[1], Forme[3], Forme[5], Forme[6]};
    a.texteBoutons = {CmdDeplaceFen};
    a.lumiere = {CmdDeplaceFen};
    a.autresTextes = {FondHorloge};
    a.visualisation = {FondHorloge};
    ::appliqueCouleurs(a, partage().couleurs);
    FondHorloge->setCouleurAiguilles(couleurVb(partage().couleurs.valeur[Couleurs::TexteBoutons]));
}

void FenHorloge::tic()
{
    const QTime maintenant = Plateforme::courante().maintenant().time();
    FondHorloge->setAiguilles(Horloge::aiguilles(maintenant));
    // What a screen reader reads of the dial: the time it shows.
    FondHorloge->setAccessibleName(maintenant.toString(QStringLiteral("HH:mm:ss")));
    // Nothing runs while the clock is not on screen.
    if (isVisible())
        Timer1->start(Horloge::msAvantSecondeSuivante(maintenant));
}

void FenHorloge::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    tic();
}

void FenHorloge::echappe()
{
    partage().horlogeFermee = true;
    close();
}

void FenHorloge::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    FenetreZelund::hideEvent(event);
}

#include "calendar/fencalendrier.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "calendar/compteurvertical.h"
#include "calendar/dessinpage.h"
#include "calendar/dialogueics.h"
#include "calendar/fenephemeride.h"
#include "calendar/fenimpression.h"
#include "calendar/imagepremierplan.h"
#include "dates/infojour.h"
#include "dates/noms.h"
#include "dates/texte.h"
#include "ui/couleurqt.h"
#include "ui/rechercheliste.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace {
constexpr int Largeur = 6600;
constexpr int Hauteur = 4485;
const QColor Rouge(255, 0, 0);
const QColor Noir(0, 0, 0);

// A pen of a width in screen pixels, whatever the grid's scale.
QPen plume(const QColor &c, int largeur)
{
    QPen p(c, largeur);
    p.setCosmetic(true);
    return p;
}

// The size of a text in grid units.
QSizeF tailleEnUnites(const QPainter &p, const QString &texte)
{
    const QFontMetricsF m(p.font());
    return p.transform().inverted().mapRect(QRectF(0, 0, m.horizontalAdvance(texte), m.height())).size();
}

// Texts are drawn unscaled, their top-left corner at a point of the grid.
void ecrit(QPainter &p, QPointF position, const QString &texte)
{
    const QPointF coin = p.transform().map(position);
    p.save();
    p.resetTransform();
    p.drawText(QRectF(coin, QSizeF(1e4, 1e4)), Qt::AlignLeft | Qt::AlignTop, texte);
    p.restore();
}
} // namespace

FenCalendrier::FenCalendrier(QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Calendrier"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenCalendrier"));
    const QFont comic = police(QStringLiteral("Comic Sans MS"), 11.25, true);

    AffHeure = new QLabel(QStringLiteral("00:00:00"), this);
    AffHeure->setFont(police(QStringLiteral("Comic Sans MS"), 14.25, true));
    AffHeure->setAlignment(Qt::AlignCenter);
    placeTwips(AffHeure, 660, 660, 1545, 435);

    AffMois = new QComboBox(this);
    AffMois->setFont(comic);
    nommeListe(AffMois, QStringLiteral("Mois"));
    RechercheListe::installe(AffMois);
    AffMois->setMaxVisibleItems(12);
    placeTwips(AffMois, 3000, 660, 1695, 435);

    AffAn = new QLineEdit(this);
    AffAn->setFont(comic);
    AffAn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AffAn->setAccessibleName(QStringLiteral("Année"));
    placeTwips(AffAn, 4920, 660, 1035, 435);
    // Over the right end of the year box.
    ChangeAn = new CompteurVertical(Calendrier::CalendrierAnneeMin, Calendrier::CalendrierAnneeMax, this);
    ChangeAn->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(ChangeAn, 5730, 690, 195, 375);
    AffAn->setTextMargins(0, 0, ChangeAn->width() + 2, 0);
    ChangeAn->relieBoite(AffAn);

    AffCalendrier = new ImagePremierPlan(this);
    AffCalendrier->setFont(comic);
    placeTwips(AffCalendrier, 660, 1140, 5295, 2700);
    AffCalendrier->setDessin([this](QPainter &p) {
        DessineCalendrier(p);
        dessineNumeros(p);
    });
    AffCalendrier->setInfoBullePoint([this](QPoint point) { return infoJourSous(point); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connect(AffAn, &QLineEdit::textChanged, this, &FenCalendrier::anneeModifiee);
    connect(ChangeAn, &QAbstractSlider::valueChanged, this, &FenCalendrier::compteurModifie);
    connect(AffMois, &QComboBox::currentIndexChanged, this, &FenCalendrier::RemplitCalendrier);
    connect(Timer1, &QTimer::timeout, this, &FenCalendrier::Timer1Tic);
    connect(AffCalendrier, &ImagePremierPlan::appuye, this, &FenetreZelund::basculePremierPlan);
    connect(AffCalendrier, &ImagePremierPlan::doubleClic, this, [this](QPoint point) {
        if (const Calendrier::CaseCalendrier *c = caseSous(point))
            FenEphemeride::montre(QDate(m_anneeAffichee, m_moisAffiche, c->jour));
    });
    // From the keyboard, the day of the month with today's number, the red one.
    auto *ephemeride = new QShortcut(FenEphemeride::Touche, this);
    connect(ephemeride, &QShortcut::activated, this, [this] {
        if (m_mois)
            FenEphemeride::montre(QDate(m_anneeAffichee, m_moisAffiche,
                                        std::min(Plateforme::courante().aujourdhui().day(), m_mois->longueur)));
    });
    AffCalendrier->setAccessibleName(QStringLiteral("Calendrier"));
    AffCalendrier->setCases([this] { return casesNommees(); });
    QStringList entetes;
    for (int j = 1; j <= 7; ++j)
        entetes << Dates::nomJour(j);
    AffCalendrier->setEntetes(entetes);

    m_imprimer = new QAction(QStringLiteral("&Imprimer ou enregistrer en PDF…"), this);
    m_imprimer->setShortcut(QKeySequence::Print);
    m_imprimer->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_imprimer);
    connect(m_imprimer, &QAction::triggered, this, &FenCalendrier::ouvreImpression);

    appliqueCouleurs();
    placeSurPrincipale();
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    {
        const QSignalBlocker bloque(AffMois);
        AffMois->addItems(Dates::textesListeMois());
        AffMois->setCurrentIndex(-1);
    }
    AffMois->setCurrentIndex(aujourdhui.month() - 1);
    AffAn->setText(QString::number(aujourdhui.year()));
    ChangeAn->setValue(aujourdhui.year());
    RemplitCalendrier();
    DialogueIcs::installeRaccourci(
        this, [this] { return m_anneeAffichee; }, [this] { return m_phasesIcs; });
}

void FenCalendrier::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.autresTextes = {AffHeure, AffMois, AffAn, AffCalendrier};
    a.visualisation = {AffHeure, AffMois, AffAn};
    a.fondFenetre = {AffCalendrier};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    const Couleurs::Schema &s = Parametres::courant().couleurs();
    m_texteBoutons = Ui::couleurVb(s.valeur[Couleurs::TexteBoutons]);
    m_autresTextes = Ui::couleurVb(s.valeur[Couleurs::AutresTextes]);
    m_visualisation = Ui::couleurVb(s.valeur[Couleurs::Visualisation]);
}

void FenCalendrier::showEvent(QShowEvent *event)
{
    Timer1->start();
    FenOutil::showEvent(event);
}

void FenCalendrier::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    FenOutil::hideEvent(event);
}

void FenCalendrier::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(m_imprimer);
    menu.exec(event->globalPos());
}

void FenCalendrier::ouvreImpression()
{
    if (findChild<FenImpression *>())
        return;
    const auto annee = Calendrier::borneAnneeCalendrier(AffAn->text());
    const int mois = AffMois->currentIndex() + 1;
    if (!annee || mois < 1)
        return;
    auto *dialogue =
        new FenImpression(mois, annee->valeur,
                          Calendrier::paletteCouleurs(m_texteBoutons, m_autresTextes, m_visualisation), m_phases, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->open();
}

void FenCalendrier::Timer1Tic()
{
    AffHeure->setText(Plateforme::courante().maintenant().time().toString(QStringLiteral("HH:mm:ss")));
}

void FenCalendrier::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneeCalendrier(texte);
    if (!annee)
        return; // not a number: everything stays as it was
    if (annee->remplacement) {
        // The box's own change event does the rest with the clamped text.
        AffAn->setText(*annee->remplacement);
        return;
    }
    ChangeAn->setValue(annee->valeur);
    RemplitCalendrier();
}

void FenCalendrier::compteurModifie(int valeur)
{
    AffAn->setText(Saisie::texteCompteur(valeur));
}

void FenCalendrier::RemplitCalendrier()
{
    const auto annee = Calendrier::borneAnneeCalendrier(AffAn->text());
    const int mois = AffMois->currentIndex() + 1;
    if (!annee || mois < 1)
        return;
    m_mois = Calendrier::grilleMois(mois, annee->valeur, Plateforme::courante().aujourdhui().day());
    m_moisAffiche = mois;
    m_anneeAffichee = annee->valeur;
    AffCalendrier->update();
}

std::vector<ImagePremierPlan::CaseNommee> FenCalendrier::casesNommees() const
{
    std::vector<ImagePremierPlan::CaseNommee> cases;
    const auto annee = Calendrier::borneAnneeCalendrier(AffAn->text());
    const int mois = AffMois->currentIndex() + 1;
    if (!m_mois || !annee || mois < 1)
        return cases;
    const QRect surface = AffCalendrier->contentsRect();
    const QTransform echelle =
        QTransform::fromTranslate(surface.x(), surface.y())
            .scale(surface.width() / Calendrier::EchelleGrille, surface.height() / Calendrier::EchelleGrille);
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    for (const Calendrier::CaseCalendrier &c : m_mois->jours) {
        const QDate jour(annee->valeur, mois, c.jour);
        QString nom = Dates::jourSaute(c.jour, mois, annee->valeur)
                          ? Dates::nomJourSaute(c.jour, mois, annee->valeur)
                          : Dates::dateLongue(c.jour, mois, annee->valeur).value_or(QString::number(c.jour));
        if (jour == aujourdhui)
            nom += QStringLiteral(", aujourd'hui");
        cases.push_back({echelle.mapRect(Calendrier::caseGrille(c.colonne, c.ligne)).toRect(), nom, c.ligne - 1,
                         c.colonne - 1, Dates::infoJour(c.jour, mois, annee->valeur).value_or(QString())});
    }
    return cases;
}

void FenCalendrier::DessineCalendrier(QPainter &p) const
{
    const QSizeF surface = AffCalendrier->contentsRect().size();
    p.setTransform(QTransform::fromScale(surface.width() / Calendrier::EchelleGrille,
                                         surface.height() / Calendrier::EchelleGrille));

    p.setPen(plume(m_visualisation, 1));
    for (int i = 1; i <= 6; ++i) {
        p.drawLine(QPointF(i, 0), QPointF(i, 7));
        p.drawLine(QPointF(0, i), QPointF(7, i));
    }
    p.setPen(plume(m_visualisation, 3));
    p.drawRect(QRectF(QPointF(0, 0), QPointF(6.98, 7)));

    for (int i = 1; i <= 7; ++i) {
        p.fillRect(Calendrier::caseGrille(i, 0), m_texteBoutons);
        p.setPen(m_autresTextes);
        const QString nom = Dates::nomColonne(i);
        ecrit(p, Calendrier::positionNomColonne(i, tailleEnUnites(p, nom)), nom);
    }
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 6; ++r)
            p.fillRect(Calendrier::caseGrille(c, r), m_autresTextes);
}

void FenCalendrier::dessineNumeros(QPainter &p) const
{
    if (!m_mois)
        return;
    const QFont police = p.font();
    QFont ferie = police;
    // The numbers are bold already: a holiday's is heavier and underlined.
    ferie.setWeight(QFont::Black);
    ferie.setUnderline(true);
    for (const Calendrier::CaseCalendrier &c : m_mois->jours) {
        p.setPen(c.rouge ? Rouge : Noir);
        p.setFont(Dates::jourFerie(QDate(m_anneeAffichee, m_moisAffiche, c.jour)) ? ferie : police);
        const QString texte = QString::number(c.jour);
        ecrit(p, Calendrier::positionNumero(c.colonne, c.ligne, tailleEnUnites(p, texte)), texte);
    }
    p.setFont(police);
}

const Calendrier::CaseCalendrier *FenCalendrier::caseSous(QPoint point) const
{
    const QSizeF surface = AffCalendrier->contentsRect().size();
    if (!m_mois || surface.isEmpty())
        return nullptr;
    const QPointF unites(point.x() * Calendrier::EchelleGrille / surface.width(),
                         point.y() * Calendrier::EchelleGrille / surface.height());
    for (const Calendrier::CaseCalendrier &c : m_mois->jours)
        if (Calendrier::caseGrille(c.colonne, c.ligne).contains(unites))
            return &c;
    return nullptr;
}

QString FenCalendrier::infoJourSous(QPoint point) const
{
    const Calendrier::CaseCalendrier *c = caseSous(point);
    if (!c)
        return {};
    const auto info = Dates::infoJour(c->jour, m_moisAffiche, m_anneeAffichee);
    return info ? FenEphemeride::infoBulle(*info, QDate(m_anneeAffichee, m_moisAffiche, c->jour)) : QString();
}

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

    m_heure = new QLabel(QStringLiteral("00:00:00"), this);

    m_heure->setObjectName(QStringLiteral("AffHeure"));
    m_heure->setFont(police(QStringLiteral("Comic Sans MS"), 14.25, true));
    m_heure->setAlignment(Qt::AlignCenter);
    placeTwips(m_heure, 660, 660, 1545, 435);

    m_listeMois = new QComboBox(this);

    m_listeMois->setObjectName(QStringLiteral("AffMois"));
    m_listeMois->setFont(comic);
    nommeListe(m_listeMois, QStringLiteral("Mois"));
    RechercheListe::installe(m_listeMois);
    m_listeMois->setMaxVisibleItems(12);
    placeTwips(m_listeMois, 3000, 660, 1695, 435);

    m_boiteAnnee = new QLineEdit(this);

    m_boiteAnnee->setObjectName(QStringLiteral("AffAn"));
    m_boiteAnnee->setFont(comic);
    m_boiteAnnee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_boiteAnnee->setAccessibleName(QStringLiteral("Année"));
    placeTwips(m_boiteAnnee, 4920, 660, 1035, 435);
    // Over the right end of the year box.
    m_compteurAnnee = new CompteurVertical(Calendrier::CalendrierAnneeMin, Calendrier::CalendrierAnneeMax, this);
    m_compteurAnnee->setObjectName(QStringLiteral("ChangeAn"));
    m_compteurAnnee->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(m_compteurAnnee, 5730, 690, 195, 375);
    m_boiteAnnee->setTextMargins(0, 0, m_compteurAnnee->width() + 2, 0);
    m_compteurAnnee->relieBoite(m_boiteAnnee);

    m_grille = new ImagePremierPlan(this);

    m_grille->setObjectName(QStringLiteral("AffCalendrier"));
    m_grille->setFont(comic);
    placeTwips(m_grille, 660, 1140, 5295, 2700);
    m_grille->setDessin([this](QPainter &p) {
        dessineCalendrier(p);
        dessineNumeros(p);
    });
    m_grille->setInfoBullePoint([this](QPoint point) { return infoJourSous(point); });

    m_minuterie = new QTimer(this);

    m_minuterie->setObjectName(QStringLiteral("Timer1"));
    m_minuterie->setInterval(1000);

    connect(m_boiteAnnee, &QLineEdit::textChanged, this, &FenCalendrier::anneeModifiee);
    connect(m_compteurAnnee, &QAbstractSlider::valueChanged, this, &FenCalendrier::compteurModifie);
    connect(m_listeMois, &QComboBox::currentIndexChanged, this, &FenCalendrier::remplitCalendrier);
    connect(m_minuterie, &QTimer::timeout, this, &FenCalendrier::afficheHeure);
    connect(m_grille, &ImagePremierPlan::appuye, this, &FenetreZelund::basculePremierPlan);
    connect(m_grille, &ImagePremierPlan::doubleClic, this, [this](QPoint point) {
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
    m_grille->setAccessibleName(QStringLiteral("Calendrier"));
    m_grille->setCases([this] { return casesNommees(); });
    QStringList entetes;
    for (int j = 1; j <= 7; ++j)
        entetes << Dates::nomJour(j);
    m_grille->setEntetes(entetes);

    m_imprimer = new QAction(QStringLiteral("&Imprimer ou enregistrer en PDF…"), this);
    m_imprimer->setShortcut(QKeySequence::Print);
    m_imprimer->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_imprimer);
    connect(m_imprimer, &QAction::triggered, this, &FenCalendrier::ouvreImpression);

    appliqueCouleurs();
    placeSurPrincipale();
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    {
        const QSignalBlocker bloque(m_listeMois);
        m_listeMois->addItems(Dates::textesListeMois());
        m_listeMois->setCurrentIndex(-1);
    }
    m_listeMois->setCurrentIndex(aujourdhui.month() - 1);
    m_boiteAnnee->setText(QString::number(aujourdhui.year()));
    m_compteurAnnee->setValue(aujourdhui.year());
    remplitCalendrier();
    DialogueIcs::installeRaccourci(
        this, [this] { return m_anneeAffichee; }, [this] { return m_phasesIcs; });
}

void FenCalendrier::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.autresTextes = {m_heure, m_listeMois, m_boiteAnnee, m_grille};
    a.visualisation = {m_heure, m_listeMois, m_boiteAnnee};
    a.fondFenetre = {m_grille};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    const Couleurs::Schema &s = Parametres::courant().couleurs();
    m_texteBoutons = Ui::couleurVb(s.valeur[Couleurs::TexteBoutons]);
    m_autresTextes = Ui::couleurVb(s.valeur[Couleurs::AutresTextes]);
    m_visualisation = Ui::couleurVb(s.valeur[Couleurs::Visualisation]);
}

void FenCalendrier::showEvent(QShowEvent *event)
{
    m_minuterie->start();
    FenOutil::showEvent(event);
}

void FenCalendrier::hideEvent(QHideEvent *event)
{
    m_minuterie->stop();
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
    const auto annee = Calendrier::borneAnneeCalendrier(m_boiteAnnee->text());
    const int mois = m_listeMois->currentIndex() + 1;
    if (!annee || mois < 1)
        return;
    auto *dialogue =
        new FenImpression(mois, annee->valeur,
                          Calendrier::paletteCouleurs(m_texteBoutons, m_autresTextes, m_visualisation), m_phases, this);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->open();
}

void FenCalendrier::afficheHeure()
{
    m_heure->setText(Plateforme::courante().maintenant().time().toString(QStringLiteral("HH:mm:ss")));
}

void FenCalendrier::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneeCalendrier(texte);
    if (!annee)
        return; // not a number: everything stays as it was
    if (annee->remplacement) {
        // The box's own change event does the rest with the clamped text.
        m_boiteAnnee->setText(*annee->remplacement);
        return;
    }
    m_compteurAnnee->setValue(annee->valeur);
    remplitCalendrier();
}

void FenCalendrier::compteurModifie(int valeur)
{
    m_boiteAnnee->setText(Saisie::texteCompteur(valeur));
}

void FenCalendrier::remplitCalendrier()
{
    const auto annee = Calendrier::borneAnneeCalendrier(m_boiteAnnee->text());
    const int mois = m_listeMois->currentIndex() + 1;
    if (!annee || mois < 1)
        return;
    m_mois = Calendrier::grilleMois(mois, annee->valeur, Plateforme::courante().aujourdhui().day());
    m_moisAffiche = mois;
    m_anneeAffichee = annee->valeur;
    m_grille->update();
}

std::vector<ImagePremierPlan::CaseNommee> FenCalendrier::casesNommees() const
{
    std::vector<ImagePremierPlan::CaseNommee> cases;
    const auto annee = Calendrier::borneAnneeCalendrier(m_boiteAnnee->text());
    const int mois = m_listeMois->currentIndex() + 1;
    if (!m_mois || !annee || mois < 1)
        return cases;
    const QRect surface = m_grille->contentsRect();
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

void FenCalendrier::dessineCalendrier(QPainter &p) const
{
    const QSizeF surface = m_grille->contentsRect().size();
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
    const QSizeF surface = m_grille->contentsRect().size();
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

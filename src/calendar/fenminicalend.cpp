#include "calendar/fenminicalend.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/twips.h"
#include "calendar/fenephemeride.h"
#include "calendar/imagepremierplan.h"
#include "dates/infojour.h"
#include "dates/noms.h"
#include "dates/texte.h"
#include "ui/etiquettepressable.h"
#include "ui/vantelpanel.h"
#include <QKeyEvent>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {
constexpr int Largeur = 3540;
constexpr int Hauteur = 3255;
const QColor Rouge(255, 0, 0);
const QColor Noir(0, 0, 0);

// The weekday initials, each centred over its own column of the grid: spaces
// between letters line up with the columns in one font only.
class EnteteJours : public QLabel
{
public:
    using QLabel::QLabel;
    std::array<qreal, 7> centres{}; // pixels, in the label

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        const QStringList initiales = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int c = 0; c < initiales.size() && c < int(centres.size()); ++c)
            p.drawText(QRectF(centres[c] - width() / 2.0, 0, width(), height()), Qt::AlignCenter, initiales[c]);
    }
};
} // namespace

FenMiniCalend::FenMiniCalend(QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Mini-calendrier"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenMiniCalend"));
    const QFont titre = police(QStringLiteral("Comic Sans MS"), 9.75, true);

    m_fond = new VantelPanel(this);

    m_fond->setObjectName(QStringLiteral("FondMiniCalend"));
    placeTwips(m_fond, 600, 600, 2355, 2055);

    m_moisPrecedent = new EtiquettePressable(QStringLiteral("<<"), m_fond, [this] { page(-1); });

    m_moisPrecedent->setObjectName(QStringLiteral("lblPrev"));
    placeTwips(m_moisPrecedent, 60, 60, 315, 345);
    m_titre = new QLabel(m_fond);
    m_titre->setObjectName(QStringLiteral("lblMonth"));
    m_titre->setAlignment(Qt::AlignCenter);
    placeTwips(m_titre, 390, 60, 1575, 360);
    m_moisSuivant = new EtiquettePressable(QStringLiteral(">>"), m_fond, [this] { page(1); });
    m_moisSuivant->setObjectName(QStringLiteral("lblNext"));
    m_moisSuivant->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(m_moisSuivant, 1980, 60, 315, 345);
    for (QLabel *l : {m_moisPrecedent, m_titre, m_moisSuivant})
        l->setFont(titre);
    for (QLabel *l : {m_moisPrecedent, m_moisSuivant}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    m_moisPrecedent->setAccessibleName(QStringLiteral("Mois précédent"));
    m_moisSuivant->setAccessibleName(QStringLiteral("Mois suivant"));

    auto *entete = new EnteteJours(QStringLiteral("D  L  M  M  J  V  S"), m_fond);
    m_initiales = entete;
    m_initiales->setObjectName(QStringLiteral("Label1"));
    m_initiales->setFont(police(QStringLiteral("Comic Sans MS"), 9, true));
    // As wide as the grid, so that no initial is cut whatever the font.
    placeTwips(m_initiales, 150, 420, 2055, 240);

    m_grille = new ImagePremierPlan(m_fond);

    m_grille->setObjectName(QStringLiteral("picMonth"));
    m_grille->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_grille->setLineWidth(2);
    m_grille->setFont(police(QStringLiteral("Comic Sans MS"), 9, false));
    placeTwips(m_grille, 150, 660, 2055, 1215);
    m_grille->setDessin([this](QPainter &p) { dessineMois(p); });
    m_grille->setInfoBullePoint([this](QPoint point) { return infoJourSous(point); });
    connect(m_grille, &ImagePremierPlan::appuye, this, &FenetreZelund::basculePremierPlan);
    connect(m_grille, &ImagePremierPlan::doubleClic, this, [this](QPoint point) {
        if (const QDate jour = jourSous(point); jour.isValid())
            FenEphemeride::montre(jour);
    });
    // From the keyboard, the day of the month with today's number.
    auto *ephemeride = new QShortcut(FenEphemeride::Touche, this);
    connect(ephemeride, &QShortcut::activated, this, [this] {
        FenEphemeride::montre(QDate(m_date.year(), m_date.month(),
                                    std::min(Plateforme::courante().aujourdhui().day(), m_date.daysInMonth())));
    });
    m_grille->setCases([this] { return casesNommees(); });
    m_grille->setEntetes({Dates::nomJour(7), Dates::nomJour(1), Dates::nomJour(2), Dates::nomJour(3), Dates::nomJour(4),
                          Dates::nomJour(5), Dates::nomJour(6)});

    appliqueCouleurs();
    placeSurPrincipale();
    const QSize interieur = m_grille->contentsRect().size();
    m_tailles = Calendrier::taillesCase(QSizeF(Base::twips(interieur.width()), Base::twips(interieur.height())),
                                        QSizeF(Base::TwipsParPixel, Base::TwipsParPixel));
    const int bordGrille = m_grille->x() + m_grille->contentsRect().x() - m_initiales->x();
    for (int c = 0; c < 7; ++c)
        entete->centres[c] = bordGrille + Calendrier::centreColonneMini(c, m_tailles) / Base::TwipsParPixel;
    afficheMois(Plateforme::courante().aujourdhui());
}

void FenMiniCalend::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {m_fond};
    a.autresTextes = {m_initiales, m_moisPrecedent, m_titre, m_moisSuivant, m_grille};
    a.visualisation = {m_grille};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenMiniCalend::afficheMois(const QDate &date)
{
    m_date = date;
    redessine();
    show();
}

void FenMiniCalend::changeDate(const QDate &date)
{
    const QDate avant = m_date;
    m_date = date;
    if (!Calendrier::memeMois(avant, date))
        redessine();
}

void FenMiniCalend::redessine()
{
    m_titre->setText(Calendrier::titreMiniCalend(m_date));
    m_grille->setAccessibleName(m_titre->text());
    m_grille->update();
}

void FenMiniCalend::dessineMois(QPainter &p) const
{
    const QFontMetricsF m(p.font());
    for (const Calendrier::CaseMini &c :
         Calendrier::casesMiniCalend(m_date, Plateforme::courante().aujourdhui(), m_tailles)) {
        const QString texte = QString::number(c.jour);
        const QSizeF taille(Base::twips(1) * m.horizontalAdvance(texte), Base::twips(1) * m.height());
        const QPointF coin = Calendrier::positionNumeroMini(c, m_tailles, taille) / Base::TwipsParPixel;
        p.setPen(c.rouge ? Rouge : Noir);
        p.drawText(QRectF(coin, QSizeF(m.horizontalAdvance(texte), m.height())), Qt::AlignLeft | Qt::AlignTop, texte);
    }
}

QDate FenMiniCalend::jourSous(QPoint point) const
{
    const QPoint enTwips(Base::twips(point.x()), Base::twips(point.y()));
    for (const Calendrier::CaseMini &c :
         Calendrier::casesMiniCalend(m_date, Plateforme::courante().aujourdhui(), m_tailles))
        if (QRect(c.coin, QSize(m_tailles.largeur, m_tailles.hauteur)).contains(enTwips))
            return QDate(m_date.year(), m_date.month(), c.jour);
    return {};
}

QString FenMiniCalend::infoJourSous(QPoint point) const
{
    const QDate jour = jourSous(point);
    const auto info = jour.isValid() ? Dates::infoJour(jour.day(), jour.month(), jour.year()) : std::nullopt;
    return info ? FenEphemeride::infoBulle(*info, jour) : QString();
}

void FenMiniCalend::page(int sens)
{
    if (const auto date = Calendrier::pageMois(m_date, sens))
        changeDate(*date);
}

bool FenMiniCalend::eventFilter(QObject *objet, QEvent *event)
{
    // The second press of a double click comes as a double click: it pages too.
    const bool appui = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (appui && (objet == m_moisPrecedent || objet == m_moisSuivant)) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            page(objet == m_moisPrecedent ? -1 : 1);
        return true;
    }
    return FenOutil::eventFilter(objet, event);
}

void FenMiniCalend::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up: page(-1); return;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down: page(1); return;
    default: FenOutil::keyPressEvent(event);
    }
}

std::vector<ImagePremierPlan::CaseNommee> FenMiniCalend::casesNommees() const
{
    std::vector<ImagePremierPlan::CaseNommee> cases;
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    const QPoint origine = m_grille->contentsRect().topLeft();
    const int mois = m_date.month();
    const int annee = m_date.year();
    for (const Calendrier::CaseMini &c : Calendrier::casesMiniCalend(m_date, aujourdhui, m_tailles)) {
        const QDate jour(annee, mois, c.jour);
        QString nom = Dates::jourSaute(c.jour, mois, annee)
                          ? Dates::nomJourSaute(c.jour, mois, annee)
                          : Dates::dateLongue(c.jour, mois, annee).value_or(QString::number(c.jour));
        if (jour == aujourdhui)
            nom += QStringLiteral(", aujourd'hui");
        const QRect zone(origine + QPoint(Base::px(c.coin.x()), Base::px(c.coin.y())),
                         QSize(Base::px(m_tailles.largeur), Base::px(m_tailles.hauteur)));
        cases.push_back({zone, nom, c.ligne, c.colonne, Dates::infoJour(c.jour, mois, annee).value_or(QString())});
    }
    return cases;
}

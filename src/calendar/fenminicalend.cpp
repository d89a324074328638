#include "calendar/fenminicalend.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/twips.h"
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

    FondMiniCalend = new VantelPanel(this);
    placeTwips(FondMiniCalend, 600, 600, 2355, 2055);

    lblPrev = new EtiquettePressable(QStringLiteral("<<"), FondMiniCalend, [this] { page(-1); });
    placeTwips(lblPrev, 60, 60, 315, 345);
    lblMonth = new QLabel(FondMiniCalend);
    lblMonth->setAlignment(Qt::AlignCenter);
    placeTwips(lblMonth, 390, 60, 1575, 360);
    lblNext = new EtiquettePressable(QStringLiteral(">>"), FondMiniCalend, [this] { page(1); });
    lblNext->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(lblNext, 1980, 60, 315, 345);
    for (QLabel *l : {lblPrev, lblMonth, lblNext})
        l->setFont(titre);
    for (QLabel *l : {lblPrev, lblNext}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    lblPrev->setAccessibleName(QStringLiteral("Mois précédent"));
    lblNext->setAccessibleName(QStringLiteral("Mois suivant"));

    auto *entete = new EnteteJours(QStringLiteral("D  L  M  M  J  V  S"), FondMiniCalend);
    Label1 = entete;
    Label1->setFont(police(QStringLiteral("Comic Sans MS"), 9, true));
    // As wide as the grid, so that no initial is cut whatever the font.
    placeTwips(Label1, 150, 420, 2055, 240);

    picMonth = new ImagePremierPlan(FondMiniCalend);
    picMonth->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picMonth->setLineWidth(2);
    picMonth->setFont(police(QStringLiteral("Comic Sans MS"), 9, false));
    placeTwips(picMonth, 150, 660, 2055, 1215);
    picMonth->setDessin([this](QPainter &p) { dessineMois(p); });
    picMonth->setInfoBullePoint([this](QPoint point) { return infoJourSous(point); });
    connect(picMonth, &ImagePremierPlan::appuye, this, &FenetreZelund::basculePremierPlan);
    picMonth->setCases([this] { return casesNommees(); });
    picMonth->setEntetes({Dates::nomJour(7), Dates::nomJour(1), Dates::nomJour(2), Dates::nomJour(3), Dates::nomJour(4),
                          Dates::nomJour(5), Dates::nomJour(6)});

    appliqueCouleurs();
    placeSurPrincipale();
    const QSize interieur = picMonth->contentsRect().size();
    const Calendrier::TaillesCase tailles =
        Calendrier::taillesCase(QSizeF(Base::twips(interieur.width()), Base::twips(interieur.height())),
                                QSizeF(Base::TwipsParPixel, Base::TwipsParPixel));
    LargeurCase = tailles.largeur;
    HauteurCase = tailles.hauteur;
    const int bordGrille = picMonth->x() + picMonth->contentsRect().x() - Label1->x();
    for (int c = 0; c < 7; ++c)
        entete->centres[c] = bordGrille + Calendrier::centreColonneMini(c, tailles) / Base::TwipsParPixel;
    GetDate(Plateforme::courante().aujourdhui());
}

void FenMiniCalend::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {FondMiniCalend};
    a.autresTextes = {Label1, lblPrev, lblMonth, lblNext, picMonth};
    a.visualisation = {picMonth};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

int FenMiniCalend::GetDate(const QDate &date)
{
    DateCourante = date;
    redessine();
    show();
    return 0;
}

void FenMiniCalend::ChangeDate(const QDate &date)
{
    const QDate avant = DateCourante;
    DateCourante = date;
    if (!Calendrier::memeMois(avant, date))
        redessine();
}

void FenMiniCalend::redessine()
{
    lblMonth->setText(Calendrier::titreMiniCalend(DateCourante));
    picMonth->setAccessibleName(lblMonth->text());
    picMonth->update();
}

void FenMiniCalend::dessineMois(QPainter &p) const
{
    const Calendrier::TaillesCase tailles{LargeurCase, HauteurCase};
    const QFontMetricsF m(p.font());
    for (const Calendrier::CaseMini &c :
         Calendrier::casesMiniCalend(DateCourante, Plateforme::courante().aujourdhui(), tailles)) {
        const QString texte = QString::number(c.jour);
        const QSizeF taille(Base::twips(1) * m.horizontalAdvance(texte), Base::twips(1) * m.height());
        const QPointF coin = Calendrier::positionNumeroMini(c, tailles, taille) / Base::TwipsParPixel;
        p.setPen(c.rouge ? Rouge : Noir);
        p.drawText(QRectF(coin, QSizeF(m.horizontalAdvance(texte), m.height())), Qt::AlignLeft | Qt::AlignTop, texte);
    }
}

QString FenMiniCalend::infoJourSous(QPoint point) const
{
    const Calendrier::TaillesCase tailles{LargeurCase, HauteurCase};
    const QPoint enTwips(Base::twips(point.x()), Base::twips(point.y()));
    for (const Calendrier::CaseMini &c :
         Calendrier::casesMiniCalend(DateCourante, Plateforme::courante().aujourdhui(), tailles))
        if (QRect(c.coin, QSize(LargeurCase, HauteurCase)).contains(enTwips))
            return Dates::infoJour(c.jour, DateCourante.month(), DateCourante.year()).value_or(QString());
    return {};
}

void FenMiniCalend::page(int sens)
{
    if (const auto date = Calendrier::pageMois(DateCourante, sens))
        ChangeDate(*date);
}

bool FenMiniCalend::eventFilter(QObject *objet, QEvent *event)
{
    // The second press of a double click comes as a double click: it pages too.
    const bool appui = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (appui && (objet == lblPrev || objet == lblNext)) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            page(objet == lblPrev ? -1 : 1);
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
    const Calendrier::TaillesCase tailles{LargeurCase, HauteurCase};
    const QPoint origine = picMonth->contentsRect().topLeft();
    const int mois = DateCourante.month();
    const int annee = DateCourante.year();
    for (const Calendrier::CaseMini &c : Calendrier::casesMiniCalend(DateCourante, aujourdhui, tailles)) {
        const QDate jour(annee, mois, c.jour);
        QString nom = Dates::jourSaute(c.jour, mois, annee)
                          ? Dates::nomJourSaute(c.jour, mois, annee)
                          : Dates::dateLongue(c.jour, mois, annee).value_or(QString::number(c.jour));
        if (jour == aujourdhui)
            nom += QStringLiteral(", aujourd'hui");
        const QRect zone(origine + QPoint(Base::px(c.coin.x()), Base::px(c.coin.y())),
                         QSize(Base::px(tailles.largeur), Base::px(tailles.hauteur)));
        cases.push_back({zone, nom, c.ligne, c.colonne, Dates::infoJour(c.jour, mois, annee).value_or(QString())});
    }
    return cases;
}

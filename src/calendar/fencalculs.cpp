#include "calendar/fencalculs.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/reglages.h"
#include "calendar/textecalculs.h"
#include "dates/texte.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QCalendar>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int Largeur = 7200;
constexpr int Hauteur = 5700;
constexpr int Colonne = 1320; // the boxes, right of their labels
constexpr int LargeurResultat = 5880;

QString texteSaisie(const Dates::JourMoisAn &d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.jour, 2, 10, QLatin1Char('0'))
        .arg(d.mois, 2, 10, QLatin1Char('0'))
        .arg(d.annee);
}

Dates::Region region(const QCheckBox *alsace)
{
    return alsace->isChecked() ? Dates::Region::AlsaceMoselle : Dates::Region::France;
}
} // namespace

FenCalculs::FenCalculs(std::optional<Dates::JourMoisAn> depart, QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Calculs de dates"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenCalculs"));
    m_fond = new VantelPanel(this);
    placeTwips(m_fond, 600, 615, Largeur - 1200, Hauteur - 1245);

    m_boiteDate = boite(QStringLiteral("TxtDate"), QStringLiteral("Date de départ"),
                        QStringLiteral("Une date JJ/MM/AAAA (julienne avant le 15/10/1582)"), Colonne, 90, 1500);
    m_choixDate = boutonCalendrier(QStringLiteral("CmdChoixDate"), m_boiteDate, 90);
    m_boiteNombre = boite(QStringLiteral("TxtNombre"), QStringLiteral("Nombre à ajouter"),
                          QStringLiteral("Un nombre négatif retranche"), Colonne, 540, 900);
    m_listeUnite = new QComboBox(m_fond);
    m_listeUnite->setObjectName(QStringLiteral("LDUnite"));
    m_listeUnite->addItems(
        {QStringLiteral("jours"), QStringLiteral("semaines"), QStringLiteral("mois"), QStringLiteral("années")});
    nommeListe(m_listeUnite, QStringLiteral("Unité"));
    placeTwips(m_listeUnite, Colonne + 960, 540, 1500, 375);
    m_ajout = resultat(QStringLiteral("LblAjout"), QStringLiteral("Date obtenue"), 990, 375);

    m_boiteFin = boite(QStringLiteral("TxtFin"), QStringLiteral("Date de fin"),
                       QStringLiteral("Une date JJ/MM/AAAA (julienne avant le 15/10/1582)"), Colonne, 1440, 1500);
    m_choixFin = boutonCalendrier(QStringLiteral("CmdChoixFin"), m_boiteFin, 1440);
    m_alsace = new QCheckBox(QStringLiteral("Alsace-Moselle"), m_fond);
    m_alsace->setObjectName(QStringLiteral("CaseAlsace"));
    m_alsace->setToolTip(QStringLiteral("Ajoute le Vendredi saint et le 26 décembre aux jours fériés"));
    m_alsace->installEventFilter(this);
    placeTwips(m_alsace, Colonne + 2010, 1440, 2500, 375);
    m_ecart = resultat(QStringLiteral("LblEcart"), QStringLiteral("Écart entre les deux dates"), 1890, 1140);

    m_boiteRang = boite(QStringLiteral("TxtRang"), QStringLiteral("Rang du jour ouvré"),
                        QStringLiteral("Négatif pour compter en arrière"), Colonne, 3090, 900);
    m_listeRegle = new QComboBox(m_fond);
    m_listeRegle->setObjectName(QStringLiteral("LDRegle"));
    m_listeRegle->addItems(
        {QStringLiteral("jour ouvré (lundi à vendredi)"), QStringLiteral("jour ouvrable (lundi à samedi)")});
    nommeListe(m_listeRegle, QStringLiteral("Sorte de jour"));
    placeTwips(m_listeRegle, Colonne + 960, 3090, 3500, 375);
    m_jourOuvre = resultat(QStringLiteral("LblJourOuvre"), QStringLiteral("Jour ouvré obtenu"), 3540, 375);

    etiquette(QStringLiteral("Date :"), 90, m_boiteDate);
    etiquette(QStringLiteral("Ajouter :"), 540, m_boiteNombre);
    etiquette(QStringLiteral("Jusqu'au :"), 1440, m_boiteFin);
    etiquette(QStringLiteral("Jour ouvré n° :"), 3090, m_boiteRang);

    m_copier = new VantelBttn(QStringLiteral("Copier"), m_fond);
    m_copier->setObjectName(QStringLiteral("CmdCopier"));
    m_copier->setInfoBulle(QStringLiteral("Copie les résultats dans le presse-papiers"));
    placeTwips(m_copier, LargeurResultat - 1440, 3960, 1500, 375);
    connect(m_copier, &VantelBttn::clicked, this, &FenCalculs::copie);

    appliqueCouleurs();
    placeSurPrincipale();
    remplit(depart);
}

void FenCalculs::remplit(std::optional<Dates::JourMoisAn> depart)
{
    const QDate a = Plateforme::courante().aujourdhui();
    const QString debut =
        texteSaisie(depart && Dates::existe(*depart) ? *depart : Dates::JourMoisAn{a.day(), a.month(), a.year()});
    m_boiteDate->setText(debut);
    m_boiteNombre->setText(QStringLiteral("90"));
    m_boiteFin->setText(debut);
    m_boiteRang->setText(QStringLiteral("10"));
    m_listeUnite->setCurrentIndex(Parametres::courant().uniteCalculs());
    m_alsace->setChecked(Parametres::courant().regionCalculs() == 1);
    relieEtRetient();
    calculeAjout();
    calculeEcart();
    calculeJourOuvre();
}

QLabel *FenCalculs::etiquette(const QString &texte, int haut, QWidget *pour)
{
    auto *l = new QLabel(texte, m_fond);
    l->setBuddy(pour);
    placeTwips(l, 60, haut, Colonne - 90, 375);
    m_etiquettes << l;
    return l;
}

QLineEdit *FenCalculs::boite(const QString &objet, const QString &nom, const QString &infoBulle, int gauche, int haut,
                             int largeur)
{
    auto *b = new QLineEdit(m_fond);
    b->setObjectName(objet);
    b->setAccessibleName(nom);
    b->setToolTip(infoBulle);
    b->installEventFilter(this);
    placeTwips(b, gauche, haut, largeur, 375);
    return b;
}

QLabel *FenCalculs::resultat(const QString &nom, const QString &accessible, int haut, int hauteur)
{
    auto *l = new QLabel(m_fond);
    l->setObjectName(nom);
    l->setAccessibleDescription(accessible);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    // Read and selected from the keyboard like a text box.
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    placeTwips(l, 60, haut, LargeurResultat, hauteur);
    return l;
}

VantelBttn *FenCalculs::boutonCalendrier(const QString &nom, QLineEdit *boite, int haut)
{
    auto *b = new VantelBttn(QStringLiteral("..."), m_fond);
    b->setObjectName(nom);
    b->setInfoBulle(QStringLiteral("Choisir la date dans un calendrier"));
    b->setNomParDefaut(QStringLiteral("Choisir dans un calendrier"));
    placeTwips(b, Colonne + 1560, haut, 420, 375);
    connect(b, &VantelBttn::clicked, this, [this, boite] { choisitDate(boite); });
    return b;
}

void FenCalculs::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {m_fond};
    a.degrade << m_choixDate << m_choixFin << m_copier;
    a.texteBoutons << m_choixDate << m_choixFin << m_copier;
    a.lumiere << m_choixDate << m_choixFin << m_copier;
    a.autresTextes = {m_boiteDate, m_boiteNombre, m_listeUnite, m_ajout,      m_boiteFin,
                      m_alsace,    m_ecart,       m_boiteRang,  m_listeRegle, m_jourOuvre};
    for (QLabel *l : m_etiquettes)
        a.autresTextes << l;
    a.visualisation = {m_boiteDate, m_boiteNombre, m_listeUnite, m_boiteFin, m_boiteRang, m_listeRegle};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenCalculs::relieEtRetient()
{
    connect(m_boiteDate, &QLineEdit::textChanged, this, [this] {
        calculeAjout();
        calculeEcart();
        calculeJourOuvre();
    });
    connect(m_boiteNombre, &QLineEdit::textChanged, this, &FenCalculs::calculeAjout);
    connect(m_boiteFin, &QLineEdit::textChanged, this, &FenCalculs::calculeEcart);
    connect(m_boiteRang, &QLineEdit::textChanged, this, &FenCalculs::calculeJourOuvre);
    connect(m_listeRegle, &QComboBox::currentIndexChanged, this, &FenCalculs::calculeJourOuvre);
    // The unit and the region are remembered at once.
    connect(m_listeUnite, &QComboBox::currentIndexChanged, this, [this](int i) {
        Parametres::courant().metUniteCalculs(i);
        calculeAjout();
    });
    connect(m_alsace, &QCheckBox::toggled, this, [this](bool alsace) {
        Parametres::courant().metRegionCalculs(alsace ? 1 : 0);
        calculeEcart();
        calculeJourOuvre();
    });
}

void FenCalculs::calculeAjout()
{
    m_ajout->setText(Calendrier::texteAjout(m_boiteDate->text(), m_boiteNombre->text(),
                                            static_cast<Dates::Unite>(m_listeUnite->currentIndex()))
                         .texte);
}

void FenCalculs::calculeEcart()
{
    m_ecart->setText(Calendrier::texteEcart(m_boiteDate->text(), m_boiteFin->text(), region(m_alsace)).texte);
}

void FenCalculs::calculeJourOuvre()
{
    const auto regle = m_listeRegle->currentIndex() == 1 ? Dates::Regle::Ouvrables : Dates::Regle::Ouvres;
    m_jourOuvre->setText(
        Calendrier::texteJourOuvre(m_boiteDate->text(), m_boiteRang->text(), regle, region(m_alsace)).texte);
}

void FenCalculs::copie()
{
    Plateforme::courante().copiePressePapiers(
        QStringList{m_ajout->text(), m_ecart->text(), m_jourOuvre->text()}.join(QChar(10)));
}

void FenCalculs::choisitDate(QLineEdit *boite)
{
    // Qt's calendar shows one calendar: the Julian one for a day before the
    // reform, the Gregorian one after; the day picked is the same day either way.
    const QDate a = Plateforme::courante().aujourdhui();
    const Dates::JourMoisAn d =
        Calendrier::lisDateCalcul(boite->text()).date.value_or(Dates::JourMoisAn{a.day(), a.month(), a.year()});
    const qint64 numero = *Dates::numeroJour(d);
    const QCalendar calendrier(Dates::avantLaReforme(d.jour, d.mois, d.annee) ? QCalendar::System::Julian
                                                                              : QCalendar::System::Gregorian);
    auto *choix = new QCalendarWidget(this);
    choix->setObjectName(QStringLiteral("ChoixDate"));
    choix->setWindowFlags(Qt::Popup);
    choix->setAttribute(Qt::WA_DeleteOnClose);
    choix->setLocale(QLocale(QLocale::French, QLocale::France));
    choix->setCalendar(calendrier);
    choix->setDateRange(QDate::fromJulianDay(*Dates::numeroJour({1, 1, Dates::CalculAnneeMin})),
                        QDate::fromJulianDay(*Dates::numeroJour({31, 12, Dates::CalculAnneeMax})));
    choix->setSelectedDate(QDate::fromJulianDay(numero));
    connect(choix, &QCalendarWidget::activated, this, [boite, choix](QDate q) {
        if (const auto jour = Dates::dateDuNumero(q.toJulianDay()))
            boite->setText(texteSaisie(*jour));
        choix->close();
        boite->setFocus(Qt::PopupFocusReason);
    });
    connect(choix, &QCalendarWidget::clicked, choix, &QCalendarWidget::activated);
    choix->move(boite->mapToGlobal(QPoint(0, boite->height())));
    choix->show();
    choix->setFocus(Qt::PopupFocusReason);
}

bool FenCalculs::eventFilter(QObject *objet, QEvent *event)
{
    // The boxes' tooltips follow the application's switch.
    if (event->type() == QEvent::ToolTip && !Parametres::courant().infoBulles())
        return true;
    return FenOutil::eventFilter(objet, event);
}

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

FenCalculs::FenCalculs(const QString &depart, QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Calculs de dates"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenCalculs"));
    FondCalculs = new VantelPanel(this);
    placeTwips(FondCalculs, 600, 615, Largeur - 1200, Hauteur - 1245);

    TxtDate = boite(QStringLiteral("TxtDate"), QStringLiteral("Date de départ"),
                    QStringLiteral("Une date JJ/MM/AAAA (julienne avant le 15/10/1582)"), Colonne, 90, 1500);
    CmdChoixDate = boutonCalendrier(QStringLiteral("CmdChoixDate"), TxtDate, 90);
    TxtNombre = boite(QStringLiteral("TxtNombre"), QStringLiteral("Nombre à ajouter"),
                      QStringLiteral("Un nombre négatif retranche"), Colonne, 540, 900);
    LDUnite = new QComboBox(FondCalculs);
    LDUnite->setObjectName(QStringLiteral("LDUnite"));
    LDUnite->addItems(
        {QStringLiteral("jours"), QStringLiteral("semaines"), QStringLiteral("mois"), QStringLiteral("années")});
    nommeListe(LDUnite, QStringLiteral("Unité"));
    placeTwips(LDUnite, Colonne + 960, 540, 1500, 375);
    LblAjout = resultat(QStringLiteral("LblAjout"), QStringLiteral("Date obtenue"), 990, 375);

    TxtFin = boite(QStringLiteral("TxtFin"), QStringLiteral("Date de fin"),
                   QStringLiteral("Une date JJ/MM/AAAA (julienne avant le 15/10/1582)"), Colonne, 1440, 1500);
    CmdChoixFin = boutonCalendrier(QStringLiteral("CmdChoixFin"), TxtFin, 1440);
    CaseAlsace = new QCheckBox(QStringLiteral("Alsace-Moselle"), FondCalculs);
    CaseAlsace->setObjectName(QStringLiteral("CaseAlsace"));
    CaseAlsace->setToolTip(QStringLiteral("Ajoute le Vendredi saint et le 26 décembre aux jours fériés"));
    CaseAlsace->installEventFilter(this);
    placeTwips(CaseAlsace, Colonne + 2010, 1440, 2500, 375);
    LblEcart = resultat(QStringLiteral("LblEcart"), QStringLiteral("Écart entre les deux dates"), 1890, 1140);

    TxtRang = boite(QStringLiteral("TxtRang"), QStringLiteral("Rang du jour ouvré"),
                    QStringLiteral("Négatif pour compter en arrière"), Colonne, 3090, 900);
    LDRegle = new QComboBox(FondCalculs);
    LDRegle->setObjectName(QStringLiteral("LDRegle"));
    LDRegle->addItems(
        {QStringLiteral("jour ouvré (lundi à vendredi)"), QStringLiteral("jour ouvrable (lundi à samedi)")});
    nommeListe(LDRegle, QStringLiteral("Sorte de jour"));
    placeTwips(LDRegle, Colonne + 960, 3090, 3500, 375);
    LblJourOuvre = resultat(QStringLiteral("LblJourOuvre"), QStringLiteral("Jour ouvré obtenu"), 3540, 375);

    etiquette(QStringLiteral("Date :"), 90, TxtDate);
    etiquette(QStringLiteral("Ajouter :"), 540, TxtNombre);
    etiquette(QStringLiteral("Jusqu'au :"), 1440, TxtFin);
    etiquette(QStringLiteral("Jour ouvré n° :"), 3090, TxtRang);

    CmdCopier = new VantelBttn(QStringLiteral("Copier"), FondCalculs);
    CmdCopier->setObjectName(QStringLiteral("CmdCopier"));
    CmdCopier->setInfoBulle(QStringLiteral("Copie les résultats dans le presse-papiers"));
    placeTwips(CmdCopier, LargeurResultat - 1440, 3960, 1500, 375);
    connect(CmdCopier, &VantelBttn::clicked, this, &FenCalculs::copie);

    appliqueCouleurs();
    placeSurPrincipale();
    remplit(depart);
}

void FenCalculs::remplit(const QString &depart)
{
    const QDate a = Plateforme::courante().aujourdhui();
    const QString debut = Calendrier::lisDateCalcul(depart).date ? depart : texteSaisie({a.day(), a.month(), a.year()});
    TxtDate->setText(debut);
    TxtNombre->setText(QStringLiteral("90"));
    TxtFin->setText(debut);
    TxtRang->setText(QStringLiteral("10"));
    LDUnite->setCurrentIndex(Parametres::courant().uniteCalculs());
    CaseAlsace->setChecked(Parametres::courant().regionCalculs() == 1);
    relieEtRetient();
    calculeAjout();
    calculeEcart();
    calculeJourOuvre();
}

QLabel *FenCalculs::etiquette(const QString &texte, int haut, QWidget *pour)
{
    auto *l = new QLabel(texte, FondCalculs);
    l->setBuddy(pour);
    placeTwips(l, 60, haut, Colonne - 90, 375);
    m_etiquettes << l;
    return l;
}

QLineEdit *FenCalculs::boite(const QString &objet, const QString &nom, const QString &infoBulle, int gauche, int haut,
                             int largeur)
{
    auto *b = new QLineEdit(FondCalculs);
    b->setObjectName(objet);
    b->setAccessibleName(nom);
    b->setToolTip(infoBulle);
    b->installEventFilter(this);
    placeTwips(b, gauche, haut, largeur, 375);
    return b;
}

QLabel *FenCalculs::resultat(const QString &nom, const QString &accessible, int haut, int hauteur)
{
    auto *l = new QLabel(FondCalculs);
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
    auto *b = new VantelBttn(QStringLiteral("..."), FondCalculs);
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
    a.panneaux = {FondCalculs};
    a.degrade << CmdChoixDate << CmdChoixFin << CmdCopier;
    a.texteBoutons << CmdChoixDate << CmdChoixFin << CmdCopier;
    a.lumiere << CmdChoixDate << CmdChoixFin << CmdCopier;
    a.autresTextes = {TxtDate,    TxtNombre, LDUnite, LblAjout, TxtFin,
                      CaseAlsace, LblEcart,  TxtRang, LDRegle,  LblJourOuvre};
    for (QLabel *l : m_etiquettes)
        a.autresTextes << l;
    a.visualisation = {TxtDate, TxtNombre, LDUnite, TxtFin, TxtRang, LDRegle};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenCalculs::relieEtRetient()
{
    connect(TxtDate, &QLineEdit::textChanged, this, [this] {
        calculeAjout();
        calculeEcart();
        calculeJourOuvre();
    });
    connect(TxtNombre, &QLineEdit::textChanged, this, &FenCalculs::calculeAjout);
    connect(TxtFin, &QLineEdit::textChanged, this, &FenCalculs::calculeEcart);
    connect(TxtRang, &QLineEdit::textChanged, this, &FenCalculs::calculeJourOuvre);
    connect(LDRegle, &QComboBox::currentIndexChanged, this, &FenCalculs::calculeJourOuvre);
    // The unit and the region are remembered at once.
    connect(LDUnite, &QComboBox::currentIndexChanged, this, [this](int i) {
        Parametres::courant().metUniteCalculs(i);
        calculeAjout();
    });
    connect(CaseAlsace, &QCheckBox::toggled, this, [this](bool alsace) {
        Parametres::courant().metRegionCalculs(alsace ? 1 : 0);
        calculeEcart();
        calculeJourOuvre();
    });
}

void FenCalculs::calculeAjout()
{
    LblAjout->setText(
        Calendrier::texteAjout(TxtDate->text(), TxtNombre->text(), static_cast<Dates::Unite>(LDUnite->currentIndex()))
            .texte);
}

void FenCalculs::calculeEcart()
{
    LblEcart->setText(Calendrier::texteEcart(TxtDate->text(), TxtFin->text(), region(CaseAlsace)).texte);
}

void FenCalculs::calculeJourOuvre()
{
    const auto regle = LDRegle->currentIndex() == 1 ? Dates::Regle::Ouvrables : Dates::Regle::Ouvres;
    LblJourOuvre->setText(
        Calendrier::texteJourOuvre(TxtDate->text(), TxtRang->text(), regle, region(CaseAlsace)).texte);
}

void FenCalculs::copie()
{
    Plateforme::courante().copiePressePapiers(
        QStringList{LblAjout->text(), LblEcart->text(), LblJourOuvre->text()}.join(QChar(10)));
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

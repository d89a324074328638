#include "main/popupinfos.h"

#include "base/chargement.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/reglages.h"
#include "base/twips.h"
#include "ui/appliquecouleurs.h"
#include "ui/ligne.h"
#include "ui/vantelbttn.h"

#include <QLabel>
#include <QUrl>
#include <array>

namespace {
constexpr int GaucheEntree = 210;
constexpr int LargeurEntree = 2835;
constexpr int HauteurEntree = 255;

void placeTwips(QWidget *w, int g, int h, int l, int ht)
{
    w->setGeometry(Base::px(g), Base::px(h), Base::px(l), Base::px(ht));
}
} // namespace

PopUpInfos::PopUpInfos(QWidget *parent)
    : VantelPanel(parent)
{
    setObjectName(QStringLiteral("PopUpInfos"));
    setCaption(QStringLiteral("Configuration des couleurs, etc."));
    setGradientSens(1);
    placeTwips(this, 1140, 300, 3255, 4755);

    m_apropos = entree(QStringLiteral("CmdApropos2"), QStringLiteral("A propos..."), 360);
    connect(m_apropos, &VantelBttn::clicked, this, [this] {
        hide();
        emit aproposDemande();
    });
    for (int i = 0; i < 4; ++i) {
        m_lignes[i] = new Ligne(this);
        m_lignes[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        placeTwips(m_lignes[i], GaucheEntree, std::array{660, 3075, 3705, 4320}[i], LargeurEntree, 45);
    }
    m_titreCouleurs = new QLabel(QStringLiteral("[COULEURS]"), this);
    m_titreCouleurs->setObjectName(QStringLiteral("LblChangerCoul"));
    m_titreCouleurs->setAlignment(Qt::AlignCenter);
    placeTwips(m_titreCouleurs, GaucheEntree, 720, LargeurEntree, HauteurEntree);

    static const char *const legendes[7] = {"Début du dégradé",
                                            "Fin du dégradé",
                                            "Texte des boutons",
                                            "Lumière des boutons",
                                            "Autres textes",
                                            "Fond des fenêtres",
                                            "Visualisation, dossiers, etc."};
    static const char *const noms[7] = {"CmdCoulDeb", "CmdCoulFin",     "CmdCoulTxt", "CmdLumiere",
                                        "CmdAutrTxt", "CmdCoulFondFen", "CmdCoulVisu"};
    for (int i = 0; i < 7; ++i) {
        m_couleurs[i] = entree(QString::fromUtf8(noms[i]), QString::fromUtf8(legendes[i]), 990 + HauteurEntree * i);
        connect(m_couleurs[i], &VantelBttn::clicked, this, [this, i] { changeCouleur(i); });
    }
    m_reinitialise =
        entree(QStringLiteral("CmdReset"), QStringLiteral("Réinitialiser les couleurs"), 990 + HauteurEntree * 7);
    connect(m_reinitialise, &VantelBttn::clicked, this, &PopUpInfos::reinitialiseCouleurs);
    m_infoBulles = entree(QStringLiteral("CmdBulAide"), legendeInfoBulles(true), 3150);
    connect(m_infoBulles, &VantelBttn::clicked, this, &PopUpInfos::basculeInfoBulles);
    m_conseils = entree(QStringLiteral("CmdConseilDem"), legendeConseils(true), 3405);
    // The « the captions end with says on: a screen reader hears a checked state.
    m_infoBulles->setAccessibleName(legendeInfoBulles(false));
    m_infoBulles->setCoche([] { return Parametres::courant().infoBulles(); });
    m_conseils->setAccessibleName(legendeConseils(false));
    m_conseils->setCoche([] { return Parametres::courant().conseilDemarrage(); });
    connect(m_conseils, &VantelBttn::clicked, this, &PopUpInfos::basculeConseils);
    m_desinstalle = entree(QStringLiteral("CmdSupprCle"), QStringLiteral("Désinstallation"), 3765);
    connect(m_desinstalle, &VantelBttn::clicked, this, &PopUpInfos::desinstalle);
    m_fichierReglages = entree(QStringLiteral("CmdRegEdit"), QStringLiteral("Editeur du registre"), 4020);
    m_fichierReglages->setInfoBulle(QStringLiteral("Ouvre le fichier des paramètres de Zelund +"));
    connect(m_fichierReglages, &VantelBttn::clicked, this, &PopUpInfos::ouvreReglages);
    m_ferme = entree(QStringLiteral("CmdFerMnu"), QStringLiteral("Fermer le menu"), 4380);
    connect(m_ferme, &VantelBttn::clicked, this, &QWidget::hide);
    hide();
}

VantelBttn *PopUpInfos::entree(const QString &nom, const QString &caption, int haut)
{
    auto *b = new VantelBttn(caption, this);
    b->setObjectName(nom);
    b->setGradientBackColor(false);
    b->setBackcolor(QColor(0, 0x80, 0x80));
    b->setBackcolorOver(QColor(0, 0xD2, 0xD2));
    b->setCaptionAGauche(true);
    placeTwips(b, GaucheEntree, haut, LargeurEntree, HauteurEntree);
    return b;
}

QList<VantelBttn *> PopUpInfos::entrees() const
{
    QList<VantelBttn *> e{m_apropos};
    for (VantelBttn *b : m_couleurs)
        e << b;
    return e << m_reinitialise << m_infoBulles << m_conseils << m_desinstalle << m_fichierReglages << m_ferme;
}

void PopUpInfos::ajouteCouleurs(AffectationCouleurs &a)
{
    a.panneauxInverses << this;
    a.texteBoutons << this;
    a.lumiere << entrees();
    for (VantelBttn *b : entrees())
        a.autresTextes << b;
    a.autresTextes << m_titreCouleurs;
    for (Ligne *l : m_lignes)
        a.autresTextes << l;
}

void PopUpInfos::suitDansLOrdreTab(QWidget *apres) const
{
    for (VantelBttn *b : entrees()) {
        QWidget::setTabOrder(apres, b);
        apres = b;
    }
}

void PopUpInfos::prendLeClavier()
{
    m_apropos->setFocus(Qt::TabFocusReason);
}

void PopUpInfos::actualiseInterrupteurs()
{
    m_infoBulles->setCaption(legendeInfoBulles(Parametres::courant().infoBulles()));
    actualiseConseils();
}

void PopUpInfos::actualiseConseils()
{
    m_conseils->setCaption(legendeConseils(Parametres::courant().conseilDemarrage()));
}

QString PopUpInfos::legendeInfoBulles(bool actives)
{
    return actives ? QStringLiteral("Affichage des info-bulles «") : QStringLiteral("Affichage des info-bulles");
}

QString PopUpInfos::legendeConseils(bool conseilDemarrage)
{
    return conseilDemarrage ? QStringLiteral("Conseils au démarrage «") : QStringLiteral("Conseils au démarrage");
}

void PopUpInfos::changeCouleur(int indice)
{
    hide();
    const auto choix = Plateforme::courante().choisitCouleur(m_couleurSelecteur);
    if (choix) {
        m_couleurSelecteur = *choix;
        Parametres::courant().metCouleur(Couleurs::Indice(indice), *choix);
    } else {
        // Written back even when cancelled, as the text it had.
        Parametres::courant().confirmeCouleur(Couleurs::Indice(indice));
    }
}

void PopUpInfos::reinitialiseCouleurs()
{
    hide();
    Parametres::courant().reinitialiseCouleurs();
}

void PopUpInfos::basculeInfoBulles()
{
    hide();
    Parametres &p = Parametres::courant();
    p.metInfoBulles(!p.infoBulles());
    m_infoBulles->setCaption(legendeInfoBulles(p.infoBulles()));
    m_infoBulles->annonceCoche();
}

void PopUpInfos::basculeConseils()
{
    hide();
    Parametres &p = Parametres::courant();
    p.metConseilDemarrage(!p.conseilDemarrage());
    m_conseils->setCaption(legendeConseils(p.conseilDemarrage()));
    m_conseils->annonceCoche();
}

void PopUpInfos::desinstalle()
{
    hide();
    const QString texte =
        QStringLiteral("Cette opération ne devrait être effectuée que si vous souhaitez désinstaller le programme.")
        + QChar(10)
        + QStringLiteral("Etes-vous sûr(e) de vouloir supprimer la clé d'enregistrement des données "
                         "d'initialisation dans la base du Registre ?");
    const auto reponse = Plateforme::courante().message(texte, Plateforme::Boutons::OuiNon, Plateforme::Icone::Critique,
                                                        QStringLiteral("DÉSINSTALLATION"), Plateforme::Reponse::Non);
    if (reponse == Plateforme::Reponse::Oui)
        Reglages::courant().effaceTout();
}

void PopUpInfos::ouvreReglages()
{
    hide();
    // No keystrokes are sent anywhere: the settings file is opened with the
    // user's own application for it, created empty first if need be, never
    // through a link to nothing nor in a run that keeps nothing.
    if (!Reglages::courant().cree())
        return;
    Plateforme::courante().ouvreAdresse(QUrl::fromLocalFile(Reglages::courant().fichier()).toString());
}

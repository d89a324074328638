#include "main/popupinfos.h"

#include "base/chargement.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/reglages.h"
#include "base/twips.h"
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

    CmdApropos2 = entree(QStringLiteral("A propos..."), 360);
    connect(CmdApropos2, &VantelBttn::clicked, this, [this] {
        hide();
        emit aproposDemande();
    });
    for (int i = 0; i < 4; ++i) {
        Lignes[i] = new Ligne(this);
        placeTwips(Lignes[i], GaucheEntree, std::array{660, 3075, 3705, 4320}[i], LargeurEntree, 45);
    }
    LblChangerCoul = new QLabel(QStringLiteral("[COULEURS]"), this);
    LblChangerCoul->setAlignment(Qt::AlignCenter);
    placeTwips(LblChangerCoul, GaucheEntree, 720, LargeurEntree, HauteurEntree);

    static const char *const legendes[7] = {"Début du dégradé",
                                            "Fin du dégradé",
                                            "Texte des boutons",
                                            "Lumière des boutons",
                                            "Autres textes",
                                            "Fond des fenêtres",
                                            "Visualisation, dossiers, etc."};
    for (int i = 0; i < 7; ++i) {
        CmdCouleur[i] = entree(QString::fromUtf8(legendes[i]), 990 + HauteurEntree * i);
        connect(CmdCouleur[i], &VantelBttn::clicked, this, [this, i] { changeCouleur(i); });
    }
    CmdReset = entree(QStringLiteral("Réinitialiser les couleurs"), 990 + HauteurEntree * 7);
    connect(CmdReset, &VantelBttn::clicked, this, &PopUpInfos::reinitialiseCouleurs);
    CmdBulAide = entree(legendeInfoBulles(true), 3150);
    connect(CmdBulAide, &VantelBttn::clicked, this, &PopUpInfos::basculeInfoBulles);
    CmdConseilDem = entree(legendeConseils(true), 3405);
    // The « the captions end with says on: a screen reader hears a checked state.
    CmdBulAide->setAccessibleName(legendeInfoBulles(false));
    CmdBulAide->setCoche([] { return Parametres::courant().infoBulles(); });
    CmdConseilDem->setAccessibleName(legendeConseils(false));
    CmdConseilDem->setCoche([] { return Parametres::courant().conseilDemarrage(); });
    connect(CmdConseilDem, &VantelBttn::clicked, this, &PopUpInfos::basculeConseils);
    CmdSupprCle = entree(QStringLiteral("Désinstallation"), 3765);
    connect(CmdSupprCle, &VantelBttn::clicked, this, &PopUpInfos::desinstalle);
    CmdRegEdit = entree(QStringLiteral("Editeur du registre"), 4020);
    CmdRegEdit->setInfoBulle(QStringLiteral("Ouvre le fichier des paramètres de Zelund +"));
    connect(CmdRegEdit, &VantelBttn::clicked, this, &PopUpInfos::ouvreReglages);
    CmdFerMnu = entree(QStringLiteral("Fermer le menu"), 4380);
    connect(CmdFerMnu, &VantelBttn::clicked, this, &QWidget::hide);
    hide();
}

VantelBttn *PopUpInfos::entree(const QString &caption, int haut)
{
    auto *b = new VantelBttn(caption, this);
    b->setGradientBackColor(false);
    b->setBackcolor(QColor(0, 0x80, 0x80));
    b->setBackcolorOver(QColor(0, 0xD2, 0xD2));
    b->setCaptionAGauche(true);
    placeTwips(b, GaucheEntree, haut, LargeurEntree, HauteurEntree);
    return b;
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
    CmdBulAide->setCaption(legendeInfoBulles(p.infoBulles()));
    CmdBulAide->annonceCoche();
}

void PopUpInfos::basculeConseils()
{
    hide();
    Parametres &p = Parametres::courant();
    p.metConseilDemarrage(!p.conseilDemarrage());
    CmdConseilDem->setCaption(legendeConseils(p.conseilDemarrage()));
    CmdConseilDem->annonceCoche();
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

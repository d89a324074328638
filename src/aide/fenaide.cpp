#include "aide/fenaide.h"

#include "aide/pageaide.h"

#include "base/donnees.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "ui/appliquecouleurs.h"
#include "ui/vantelbttn.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<FenAide> &instance()
{
    static QPointer<FenAide> fenetre;
    return fenetre;
}

QString pageAbsente()
{
    return QStringLiteral("<h2>Aide introuvable</h2>"
                          "<p>Les pages d'aide de Zelund + n'ont pas été trouvées dans le dossier "
                          "des données du programme. Réinstaller le programme les remettra en place.</p>");
}
} // namespace

FenAide::FenAide(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenAide"));
    metPoliceVerdana();
    creeControles();
    appliqueCouleurs();
    tailleTwips(8400, 7200);
    centreSurPrincipale();
}

void FenAide::creeControles()
{
    m_cadre = construitCadre({QStringLiteral("Zelund + - Aide"),
                              8400,
                              true,
                              false,
                              {{1, {0, 315, 8400, 90}, true},
                               {2, {0, 405, 90, 6705}, false},
                               {3, {8310, 405, 90, 6705}, true},
                               {4, {0, 7110, 8400, 90}, false}}});

    Texte = new PageAide(this);
    Texte->setObjectName(QStringLiteral("Texte"));
    // Pages of the help are followed here; any other address goes to the browser.
    Texte->setOpenLinks(false);
    QFont police(QStringLiteral("Verdana"));
    police.setPointSize(9);
    Texte->setFont(police);
    placeTwips(Texte, 150, 465, 8100, 6060);
    connect(Texte, &QTextBrowser::anchorClicked, this, &FenAide::lienClique);

    auto bouton = [this](const QString &caption, int gauche) {
        auto *b = new VantelBttn(caption, this);
        b->setGradientSens(VantelBttn::Horizontal);
        placeTwips(b, gauche, 6585, 2640, 465);
        return b;
    };
    CmdPrecedent = bouton(QStringLiteral("< Précédent"), 150);
    CmdPrecedent->setObjectName(QStringLiteral("CmdPrecedent"));
    CmdSommaire = bouton(QStringLiteral("Sommaire"), 2880);
    CmdSommaire->setObjectName(QStringLiteral("CmdSommaire"));
    CmdSuivant = bouton(QStringLiteral("Suivant >"), 5610);
    CmdSuivant->setObjectName(QStringLiteral("CmdSuivant"));
    CmdPrecedent->setEnabled(false);
    CmdSuivant->setEnabled(false);
    connect(CmdPrecedent, &VantelBttn::clicked, Texte, &QTextBrowser::backward);
    connect(CmdSuivant, &VantelBttn::clicked, Texte, &QTextBrowser::forward);
    connect(CmdSommaire, &VantelBttn::clicked, this, [this] { afficheSujet(SujetAide::Sommaire); });
    connect(Texte, &QTextBrowser::backwardAvailable, CmdPrecedent, &QWidget::setEnabled);
    connect(Texte, &QTextBrowser::forwardAvailable, CmdSuivant, &QWidget::setEnabled);
}

void FenAide::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {CmdPrecedent, CmdSommaire, CmdSuivant};
    a.texteBoutons = {CmdPrecedent, CmdSommaire, CmdSuivant};
    a.lumiere = {CmdPrecedent, CmdSommaire, CmdSuivant};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    // The pages are read as a printed sheet: dark text on white, whatever the scheme.
    QPalette page = Texte->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    Texte->setPalette(page);
}

FenAide *FenAide::affiche(SujetAide sujet)
{
    QPointer<FenAide> &f = instance();
    // A modal dialog blocks every window but its own: the viewer then
    // belongs to it, so that its help can be read while it is open.
    QWidget *modale = QApplication::activeModalWidget();
    if (f && modale && f->parentWidget() != modale) {
        f->close();
        f = nullptr;
    }
    if (!f) {
        f = new FenAide(modale);
        f->setAttribute(Qt::WA_DeleteOnClose);
    }
    f->afficheSujet(sujet);
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

FenAide *FenAide::ouverte()
{
    return instance();
}

void FenAide::afficheSujet(SujetAide sujet)
{
    const QString page = Base::cheminAide(sujet);
    if (page.isEmpty()) {
        Texte->setHtml(pageAbsente());
        return;
    }
    Texte->setSource(QUrl::fromLocalFile(page));
}

void FenAide::lienClique(const QUrl &lien)
{
    const QUrl cible = Texte->source().resolved(lien);
    if (cible.isLocalFile())
        Texte->setSource(cible);
    else
        Plateforme::courante().ouvreAdresse(cible.toString());
}

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

    m_page = new PageAide(this);
    m_page->setObjectName(QStringLiteral("Texte"));
    // Pages of the help are followed here; any other address goes to the browser.
    m_page->setOpenLinks(false);
    QFont police(QStringLiteral("Verdana"));
    police.setPointSize(9);
    m_page->setFont(police);
    placeTwips(m_page, 150, 465, 8100, 6060);
    connect(m_page, &QTextBrowser::anchorClicked, this, &FenAide::lienClique);

    auto bouton = [this](const QString &caption, int gauche) {
        auto *b = new VantelBttn(caption, this);
        b->setGradientSens(VantelBttn::Horizontal);
        placeTwips(b, gauche, 6585, 2640, 465);
        return b;
    };
    m_precedent = bouton(QStringLiteral("< Précédent"), 150);
    m_precedent->setObjectName(QStringLiteral("CmdPrecedent"));
    m_sommaire = bouton(QStringLiteral("Sommaire"), 2880);
    m_sommaire->setObjectName(QStringLiteral("CmdSommaire"));
    m_suivant = bouton(QStringLiteral("Suivant >"), 5610);
    m_suivant->setObjectName(QStringLiteral("CmdSuivant"));
    m_precedent->setEnabled(false);
    m_suivant->setEnabled(false);
    connect(m_precedent, &VantelBttn::clicked, m_page, &QTextBrowser::backward);
    connect(m_suivant, &VantelBttn::clicked, m_page, &QTextBrowser::forward);
    connect(m_sommaire, &VantelBttn::clicked, this, [this] { afficheSujet(SujetAide::Sommaire); });
    connect(m_page, &QTextBrowser::backwardAvailable, m_precedent, &QWidget::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, m_suivant, &QWidget::setEnabled);
}

void FenAide::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {m_precedent, m_sommaire, m_suivant};
    a.texteBoutons = {m_precedent, m_sommaire, m_suivant};
    a.lumiere = {m_precedent, m_sommaire, m_suivant};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    // The pages are read as a printed sheet: dark text on white, whatever the scheme.
    QPalette page = m_page->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    m_page->setPalette(page);
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
        m_page->setHtml(pageAbsente());
        return;
    }
    m_page->setSource(QUrl::fromLocalFile(page));
}

void FenAide::lienClique(const QUrl &lien)
{
    const QUrl cible = m_page->source().resolved(lien);
    if (cible.isLocalFile())
        m_page->setSource(cible);
    else
        Plateforme::courante().ouvreAdresse(cible.toString());
}

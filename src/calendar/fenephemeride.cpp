#include "calendar/fenephemeride.h"

#include "base/donnees.h"
#include "base/parametres.h"
#include "base/twips.h"
#include "dates/ephemeride.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr int Largeur = 7200;
constexpr int Hauteur = 9000;
constexpr int Interieur = Largeur - 1200; // the panel between the side strips
constexpr int Colonne = 780;              // the place box, right of its label
constexpr int HautTexte = 900;
constexpr int BarreTitre = 315; // the windows' title bar, with their drag and close buttons

QPointer<FenEphemeride> &instance()
{
    static QPointer<FenEphemeride> f;
    return f;
}

// Type-ahead on the towns, accents, case and hyphens aside: the typed text
// and each town are compared as the place lookup compares names.
class CompleteurLieux : public QCompleter
{
public:
    using QCompleter::QCompleter;
    QStringList splitPath(const QString &chemin) const override { return {Dates::cleRecherche(chemin)}; }
    QString pathFromIndex(const QModelIndex &indice) const override { return indice.data().toString(); }
};

std::vector<Dates::Lieu> lieuxDuFichier()
{
    QFile f(Base::cheminDonnees(QStringLiteral("Lieux.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Dates::lisLieux(QString::fromUtf8(f.readAll())).lieux;
}

// Only the lines that changed are laid out and painted again: from one day
// to the next, the place, the seasons and the Moon's coming phases stay.
void remplace(QPlainTextEdit *boite, const QString &texte)
{
    QTextDocument *document = boite->document();
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    if (document->isEmpty() || document->blockCount() != lignes.size()) {
        boite->setPlainText(texte);
        return;
    }
    QTextBlock bloc = document->firstBlock();
    for (const QString &ligne : lignes) {
        if (bloc.text() != ligne) {
            QTextCursor c(bloc);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            c.insertText(ligne);
        }
        bloc = bloc.next();
    }
}

// What the box shows of a place: its name, or its coordinates when it has none.
QString texteLieu(const Dates::Lieu &lieu)
{
    const QString nom = lieu.libelle();
    if (!nom.isEmpty())
        return nom;
    return QString::number(lieu.latitude, 'f', 4) + QLatin1Char(',') + QString::number(lieu.longitude, 'f', 4);
}
} // namespace

FenEphemeride *FenEphemeride::montre(const QDate &jour)
{
    // Asked before it shows: the window the day was chosen in.
    const QWidget *origine = QApplication::activeWindow();
    QPointer<FenEphemeride> &f = instance();
    if (!f)
        f = new FenEphemeride;
    else if (!f->isVisible())
        f->rouvre();
    // Above the window it is opened from, even one kept on top.
    const bool dessus = origine && origine != f && origine->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (dessus != f->estAuPremierPlan()) {
        const QPoint position = f->pos();
        f->setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
        f->move(position);
    }
    f->setJour(jour);
    f->show();
    f->raise();
    f->activateWindow();
    f->TxtEphemeride->setFocus(Qt::OtherFocusReason);
    return f;
}

void FenEphemeride::setLune(Dates::PhasesLune phases, int derniereAnnee)
{
    s_phases = std::move(phases);
    s_derniereAnnee = derniereAnnee;
}

FenEphemeride *FenEphemeride::ouverte()
{
    // Closed, it is only hidden.
    return instance() && instance()->isVisible() ? instance().data() : nullptr;
}

QString FenEphemeride::infoBulle(const QString &info, const QDate &jour)
{
    if (!Dates::ephemerideDisponible(jour, s_derniereAnnee))
        return info;
    return info + QStringLiteral("\nDouble-clic ou Ctrl+E : éphéméride du jour");
}

FenEphemeride::FenEphemeride()
    : FenOutil(QStringLiteral("Zelund - Éphéméride"), Largeur, Hauteur, {}, nullptr),
      m_lieux(lieuxDuFichier())
{
    setObjectName(QStringLiteral("FenEphemeride"));
    // Closed, it is only hidden, to open again at once.
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Placed once beside the main window, then left where the user puts it:
    // it is read while days are picked there.
    setPlaceALActivation(false);
    FondEphemeride = new VantelPanel(this);
    FondEphemeride->setObjectName(QStringLiteral("FondEphemeride"));
    placeTwips(FondEphemeride, 600, 615, Interieur, Hauteur - 1245);
    creeChoixLieu();

    TxtEphemeride = new QPlainTextEdit(FondEphemeride);
    TxtEphemeride->setObjectName(QStringLiteral("TxtEphemeride"));
    TxtEphemeride->setAccessibleName(QStringLiteral("Éphéméride du jour"));
    TxtEphemeride->setReadOnly(true);
    // Read line by line from the keyboard, as a screen reader follows the caret.
    TxtEphemeride->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    TxtEphemeride->setTabChangesFocus(true);
    TxtEphemeride->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    placeTwips(TxtEphemeride, 60, HautTexte, Interieur - 120, Hauteur - 1245 - HautTexte - 60);

    setTabOrder(TxtLieu, CmdListeLieux);
    setTabOrder(CmdListeLieux, TxtEphemeride);
    appliqueCouleurs();
    montreLieu();
    TxtEphemeride->document()->setUndoRedoEnabled(false);
    connect(&Parametres::courant(), &Parametres::changee, this, [this](Parametres::Cle cle) {
        if (cle == Parametres::Cle::LieuNom)
            remplit();
        // A colour: read again when it opens, as every window reads them when it loads.
        if (cle < Parametres::Cle::Ciel)
            m_couleursChangees = true;
    });
    placeSurPrincipale();
}

void FenEphemeride::creeChoixLieu()
{
    TxtLieu = new QLineEdit(FondEphemeride);
    TxtLieu->setObjectName(QStringLiteral("TxtLieu"));
    TxtLieu->setAccessibleName(QStringLiteral("Lieu"));
    TxtLieu->setToolTip(QStringLiteral("Une ville de la liste, ou des coordonnées LAT,LON (48.85,2.35), puis Entrée"));
    TxtLieu->installEventFilter(this);
    placeTwips(TxtLieu, Colonne, 90, Interieur - Colonne - 540, 375);
    LblLieu = new QLabel(QStringLiteral("Lieu :"), FondEphemeride);
    LblLieu->setBuddy(TxtLieu);
    placeTwips(LblLieu, 60, 90, Colonne - 90, 375);

    auto *modele = new QStandardItemModel(this);
    for (const Dates::Lieu &l : m_lieux) {
        auto *entree = new QStandardItem(l.libelle());
        entree->setData(Dates::cleRecherche(l.libelle()), Qt::UserRole);
        modele->appendRow(entree);
    }
    auto *completeur = new CompleteurLieux(modele, this);
    completeur->setCompletionRole(Qt::UserRole);
    completeur->setCaseSensitivity(Qt::CaseSensitive); // the keys are folded already
    completeur->setMaxVisibleItems(12);
    completeur->popup()->setAccessibleName(QStringLiteral("Villes"));
    TxtLieu->setCompleter(completeur);
    connect(completeur, qOverload<const QString &>(&QCompleter::activated), this, &FenEphemeride::choisitLieu);
    connect(TxtLieu, &QLineEdit::returnPressed, this, [this] { choisitLieu(TxtLieu->text()); });

    CmdListeLieux = new VantelBttn(QStringLiteral("..."), FondEphemeride);
    CmdListeLieux->setObjectName(QStringLiteral("CmdListeLieux"));
    // Its caption says nothing: its name and its tooltip say what it does.
    CmdListeLieux->setInfoBulle(QStringLiteral("Choisir le lieu dans la liste des villes"));
    CmdListeLieux->setAccessibleName(CmdListeLieux->infoBulle());
    CmdListeLieux->setAccessibleDescription(QString());
    placeTwips(CmdListeLieux, Interieur - 480, 90, 420, 375);
    connect(CmdListeLieux, &VantelBttn::clicked, this, [this, completeur] {
        TxtLieu->setFocus(Qt::OtherFocusReason);
        completeur->setCompletionPrefix(QString());
        completeur->complete();
    });

    LblRefusLieu = new QLabel(FondEphemeride);
    LblRefusLieu->setObjectName(QStringLiteral("LblRefusLieu"));
    LblRefusLieu->setWordWrap(true);
    LblRefusLieu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(LblRefusLieu, 60, 480, Interieur - 120, 390);
}

void FenEphemeride::rouvre()
{
    if (m_couleursChangees)
        appliqueCouleurs();
    m_couleursChangees = false;
    montreLieu();
    TxtEphemeride->verticalScrollBar()->setValue(0);
    placeSurPrincipale();
}

void FenEphemeride::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {FondEphemeride};
    a.degrade << CmdListeLieux;
    a.texteBoutons << CmdListeLieux;
    a.lumiere << CmdListeLieux;
    a.autresTextes = {LblLieu, TxtLieu, LblRefusLieu, TxtEphemeride};
    a.visualisation = {TxtLieu, TxtEphemeride};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenEphemeride::setJour(const QDate &jour)
{
    if (jour == m_jour && !TxtEphemeride->document()->isEmpty())
        return;
    m_jour = jour;
    remplit();
}

void FenEphemeride::remplit()
{
    const int defilement = TxtEphemeride->verticalScrollBar() ? TxtEphemeride->verticalScrollBar()->value() : 0;
    if (Dates::ephemerideDisponible(m_jour, s_derniereAnnee))
        remplace(TxtEphemeride, Dates::texteEphemeride(m_jour, Parametres::courant().lieu(), s_phases));
    else
        remplace(TxtEphemeride, QStringLiteral("L'éphéméride va du 15 octobre 1582 au 31 décembre %1 "
                                               "(calendrier grégorien) : choisissez un jour entre ces dates.")
                                    .arg(s_derniereAnnee));
    // Day after day, the eye stays on the same line.
    TxtEphemeride->verticalScrollBar()->setValue(defilement);
}

void FenEphemeride::montreLieu()
{
    TxtLieu->setText(texteLieu(Parametres::courant().lieu()));
    LblRefusLieu->clear();
    TxtLieu->setAccessibleDescription(QString());
}

void FenEphemeride::choisitLieu(const QString &texte)
{
    const Dates::LieuDemande d = Dates::lieuDemande(texte.trimmed(), m_lieux);
    if (!d.lieu) {
        QString refus = d.refus;
        refus[0] = refus[0].toUpper();
        LblRefusLieu->setText(refus);
        TxtLieu->setAccessibleDescription(refus);
        return;
    }
    Parametres::courant().metLieu(*d.lieu);
    montreLieu();
}

void FenEphemeride::placeSurPrincipale()
{
    const FenetreZelund *p = principale();
    if (!p || p == this || !p->screen())
        return;
    move(placeACote(p->frameGeometry(), frameGeometry().size(), p->screen()->availableGeometry()));
}

QPoint FenEphemeride::placeACote(const QRect &principale, const QSize &taille, const QRect &zone)
{
    const int ecart = Base::px(60);
    const QRect &g = principale;
    const auto dansZone = [&](QPoint coin) {
        const Base::Position pos = Base::dansZone({coin.x(), coin.y()}, taille.width(), taille.height(), zone.x(),
                                                  zone.y(), zone.width(), zone.height());
        return QPoint(pos.x, pos.y);
    };
    // Slid along the main window's edge, each side where the window fits whole.
    const QPoint cotes[] = {{g.right() + 1 + ecart, g.top()},
                            {g.left() - ecart - taille.width(), g.top()},
                            {g.left(), g.bottom() + 1 + ecart},
                            {g.left(), g.top() - ecart - taille.height()}};
    for (int i = 0; i < 4; ++i) {
        const QPoint coin = cotes[i];
        const QPoint glisse = i < 2 ? QPoint(coin.x(), dansZone(coin).y()) : QPoint(dansZone(coin).x(), coin.y());
        if (zone.contains(QRect(glisse, taille)))
            return glisse;
    }
    // Over the main window's edge, on the side with more room, but under its
    // title bar: its drag and close buttons stay within reach.
    const bool droite = zone.right() - g.right() >= g.left() - zone.left();
    const int haut = g.top() + Base::px(BarreTitre) + ecart;
    return dansZone({droite ? zone.right() + 1 - taille.width() : zone.left(), haut});
}

bool FenEphemeride::eventFilter(QObject *objet, QEvent *event)
{
    // The box's tooltip follows the application's switch.
    if (event->type() == QEvent::ToolTip && !Parametres::courant().infoBulles())
        return true;
    return FenOutil::eventFilter(objet, event);
}

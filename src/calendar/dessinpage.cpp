#include "calendar/dessinpage.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

namespace Calendrier {

namespace {

using Role = ElementPage::Role;

QFont police(const ElementPage &e)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(e.points);
    f.setBold(e.role == Role::Titre || e.role == Role::NomMois || e.role == Role::Initiale || e.role == Role::Numero
              || e.role == Role::Ferie);
    f.setUnderline(e.role == Role::Ferie);
    return f;
}

QColor couleurTexte(Role role, const PaletteImpression &c)
{
    switch (role) {
    case Role::Titre:
    case Role::NomMois: return c.titre;
    case Role::Initiale: return c.enTeteTexte;
    case Role::Semaine: return c.semaine;
    case Role::Numero: return c.numero;
    case Role::Ferie:
    case Role::NomFerie: return c.ferie;
    default: return c.texte;
    }
}

// Dark where the Moon is unlit: a full disc for the new moon, an open circle
// for the full moon, the left half for the first quarter, the right half for
// the last.
void dessineLune(QPainter &p, const QRectF &r, int phase, const QColor &couleur)
{
    p.setPen(QPen(couleur, r.width() * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    if (phase == 2)
        return;
    QPainterPath ombre;
    if (phase == 0) {
        ombre.addEllipse(r);
    } else {
        ombre.moveTo(r.center());
        ombre.arcTo(r, phase == 1 ? 90 : -90, 180);
        ombre.closeSubpath();
    }
    p.fillPath(ombre, couleur);
}

} // namespace

PaletteImpression paletteNoirEtBlanc()
{
    const QColor noir(Qt::black);
    const QColor blanc(Qt::white);
    return {noir, blanc, noir, noir, blanc, noir, noir, noir, noir};
}

PaletteImpression paletteCouleurs(const QColor &texteBoutons, const QColor &autresTextes, const QColor &visualisation)
{
    const QColor noir(Qt::black);
    return {texteBoutons, texteBoutons,      autresTextes, visualisation, autresTextes,
            noir,         QColor(200, 0, 0), texteBoutons, noir};
}

void dessinePage(QPainter &p, const PageImprimee &page, const PaletteImpression &palette)
{
    const double k = p.device()->width() / page.taille.width(); // device pixels per millimetre
    const auto vers = [k](const QRectF &r) { return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k); };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const ElementPage &e : page.elements) {
        const QRectF r = vers(e.zone);
        switch (e.genre) {
        case ElementPage::Genre::Case:
            p.setPen(QPen(palette.trait, 0.25 * k));
            p.setBrush(e.role == Role::EnTete ? palette.enTeteFond : palette.caseFond);
            p.drawRect(r);
            break;
        case ElementPage::Genre::Phase: dessineLune(p, r, e.phase, palette.texte); break;
        case ElementPage::Genre::Texte:
            p.setFont(police(e));
            p.setPen(couleurTexte(e.role, palette));
            p.drawText(r, e.alignement, e.texte);
            break;
        }
    }
    p.restore();
}

void prepareA4(QPagedPaintDevice &appareil, const PageImprimee &page)
{
    appareil.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    page.taille.width() > page.taille.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
}

bool enregistrePdf(const QString &chemin, const PageImprimee &page, const PaletteImpression &palette)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&fichier);
        pdf.setCreator(QStringLiteral("Zelund +"));
        pdf.setResolution(600);
        prepareA4(pdf, page);
        QPainter p;
        if (!p.begin(&pdf)) {
            fichier.cancelWriting();
            return false;
        }
        dessinePage(p, page, palette);
        p.end();
    }
    return fichier.commit();
}

} // namespace Calendrier

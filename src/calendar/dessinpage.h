#pragma once

#include "calendar/pageimprimee.h"

#include <QColor>

class QPainter;
class QPagedPaintDevice;

// Paints a laid-out calendar page on a printer or a PDF file.
namespace Calendrier {

struct PaletteImpression
{
    QColor titre, enTeteFond, enTeteTexte, trait, caseFond, numero, ferie, semaine, texte;
};
// Black on white, for paper.
PaletteImpression paletteNoirEtBlanc();
// The window's colours: the grid's header, its lines and its cells.
PaletteImpression paletteCouleurs(const QColor &texteBoutons, const QColor &autresTextes, const QColor &visualisation);

// The page fills the device, whose margins are zero.
void dessinePage(QPainter &p, const PageImprimee &page, const PaletteImpression &palette);

// Sets a paged device (printer or PDF writer) to A4 in the page's
// orientation, without margins.
void prepareA4(QPagedPaintDevice &appareil, const PageImprimee &page);

// Writes the page as a PDF file through a temporary file renamed at the end,
// so that a failure leaves whatever was there; false on failure.
bool enregistrePdf(const QString &chemin, const PageImprimee &page, const PaletteImpression &palette);

} // namespace Calendrier

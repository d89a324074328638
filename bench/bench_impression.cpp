// A whole year's calendar as a one-page A4 PDF (layout, Moon phases, file),
// in Release under 300 ms, against a bare Qt PDF of as many texts.
#include "mesure.h"

#include "calendar/dessinpage.h"
#include "calendar/pageimprimee.h"
#include "moon/phasesvraies.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The least a PDF of a year's texts costs: one A4 page, the same number of
// short texts in one font, written to a file.
void pdfNu(const QString &chemin, int textes)
{
    QPdfWriter pdf(chemin);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter p(&pdf);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(8);
    p.setFont(f);
    for (int i = 0; i < textes; ++i)
        p.drawText(QRectF((i % 20) * 200, (i / 20) * 200, 200, 200), Qt::AlignCenter, QString::number(i % 31 + 1));
}

qsizetype anneeEnPdf(const QString &chemin, int annee)
{
    const QTimeZone fuseau = QTimeZone::systemTimeZone();
    std::vector<Calendrier::PhaseDuJour> phases;
    for (const Lune::InstantPhase &p : Lune::phasesApres(QDateTime(QDate(annee - 1, 12, 1), QTime(0, 0), fuseau), 60))
        phases.push_back({p.utc.toTimeZone(fuseau).date().toJulianDay(), int(p.phase)});
    const Calendrier::PageImprimee page =
        Calendrier::miseEnPage({Calendrier::Etendue::Annee, 1, annee, false}, phases, fuseau);
    Calendrier::enregistrePdf(chemin, page, Calendrier::paletteNoirEtBlanc());
    return qsizetype(page.elements.size());
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int tours = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("annee.pdf"));
    const QString cheminNu = dossier.filePath(QStringLiteral("nu.pdf"));
    const qsizetype elements = anneeEnPdf(chemin, 2026); // fonts and caches warmed
    pdfNu(cheminNu, int(elements));
    QVector<double> programme, nu;
    for (int tour = 0; tour < tours; ++tour) {
        QElapsedTimer chrono;
        chrono.start();
        anneeEnPdf(chemin, 2026 + tour % 2);
        programme << chrono.nsecsElapsed() / 1e6;
        chrono.restart();
        pdfNu(cheminNu, int(elements));
        nu << chrono.nsecsElapsed() / 1e6;
    }
    QTextStream out(stdout);
    const auto ligne = [&out](const char *nom, const QVector<double> &v) {
        out << nom << " : médiane " << Mesure::mediane(v) << " ms (quartiles " << Mesure::quantile(v, 0.25) << " – "
            << Mesure::quantile(v, 0.75) << ")\n";
    };
    out << "Une année en PDF sur une page A4 (" << elements << " éléments), " << tours << " tours en alternance\n";
    ligne("Zelund +      ", programme);
    ligne("PDF nu de Qt  ", nu);
    out << "Rapport des médianes : " << Mesure::mediane(programme) / Mesure::mediane(nu) << '\n';
    return 0;
}

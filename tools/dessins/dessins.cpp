// Build-time drawing of the pictures the first windows show, so that the
// program needs neither the SVG engine nor a font to put them on screen.
//   zelund_dessins <output folder> <picture.svg>=<size>,<size>... [demarrage]
// Each SVG is drawn at each size (in pixels), exactly as Qt's SVG icon engine
// would draw it at that size, into one file <name>.argb, smallest first;
// "demarrage" draws the splash as demarrage.argb and demarrage@2x.argb. An
// .argb file holds one picture after another, each its width and height (32
// bits each, little-endian) followed by its premultiplied ARGB32 pixels, which
// the program shows without decoding.
#include "dessins/dessindemarrage.h"
#include "ui/polices.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

void ajoute(QDataStream &flux, const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    flux << quint32(pixels.width()) << quint32(pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        flux.writeRawData(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4);
}

bool ecrit(const QList<QImage> &images, const QString &chemin)
{
    QByteArray octets;
    QDataStream flux(&octets, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    for (const QImage &image : images)
        ajoute(flux, image);
    QFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
    return false;
}

bool dessineSvg(const QString &svg, const QStringList &tailles, const QDir &sortie)
{
    QSvgRenderer rendu(svg);
    if (!rendu.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(svg));
        return false;
    }
    QList<QImage> images;
    for (const QString &t : tailles) {
        const int cote = t.toInt();
        QSize taille = rendu.defaultSize();
        taille.scale(cote, cote, Qt::KeepAspectRatio);
        if (taille.isEmpty())
            return false;
        QImage image(taille, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter p(&image);
        rendu.render(&p);
        p.end();
        images << image;
    }
    return ecrit(images, sortie.filePath(QFileInfo(svg).baseName() + QStringLiteral(".argb")));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Sizes come in the order given: smallest first.
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return 2;
    const QDir sortie(args.first());
    if (!sortie.mkpath(QStringLiteral(".")))
        return 1;
    for (const QString &a : args.mid(1)) {
        if (a == QLatin1String("demarrage")) {
            Ui::installePolices();
            if (!ecrit({Dessins::dessineDemarrage(1)}, sortie.filePath(QStringLiteral("demarrage.argb")))
                || !ecrit({Dessins::dessineDemarrage(2)}, sortie.filePath(QStringLiteral("demarrage@2x.argb"))))
                return 1;
        } else if (!dessineSvg(a.section(QLatin1Char('='), 0, 0),
                               a.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts), sortie)) {
            return 1;
        }
    }
    return 0;
}

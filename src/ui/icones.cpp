#include "ui/icones.h"

#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace Ui {

QList<QImage> imagesDessinees(const QString &fichier)
{
    // One picture after another, each its width, its height, then its
    // premultiplied ARGB32 pixels, stored uncompressed: the pictures are used
    // where they lie, with no decoder and no image plugin.
    const QResource ressource(QStringLiteral(":/dessins/") + fichier);
    const QByteArray octets = ressource.uncompressedData();
    // Uncompressed resource data lives as long as the program; copies only if
    // the build ever compressed it.
    const bool enPlace = ressource.compressionAlgorithm() == QResource::NoCompression;
    QList<QImage> images;
    qsizetype debut = 0;
    while (octets.size() - debut >= 8) {
        quint32 largeur = 0;
        quint32 hauteur = 0;
        std::memcpy(&largeur, octets.constData() + debut, 4);
        std::memcpy(&hauteur, octets.constData() + debut + 4, 4);
        largeur = qFromLittleEndian(largeur);
        hauteur = qFromLittleEndian(hauteur);
        const qsizetype taille = qsizetype(largeur) * hauteur * 4;
        if (largeur == 0 || hauteur == 0 || largeur > 4096 || hauteur > 4096 || taille > octets.size() - debut - 8)
            return {};
        const QImage image(reinterpret_cast<const uchar *>(octets.constData()) + debut + 8, int(largeur), int(hauteur),
                           QImage::Format_ARGB32_Premultiplied);
        images << (enPlace ? image : image.copy());
        debut += 8 + taille;
    }
    if (debut != octets.size())
        return {};
    return images;
}

QImage imageDessinee(const QString &fichier)
{
    const QList<QImage> images = imagesDessinees(fichier);
    return images.size() == 1 ? images.first() : QImage();
}

QIcon iconeDessinee(const QString &nom)
{
    QIcon icone;
    // Smallest first: the order the window manager receives the window icon in.
    for (const QImage &image : imagesDessinees(nom + QStringLiteral(".argb")))
        icone.addPixmap(QPixmap::fromImage(image));
    return icone;
}

} // namespace Ui

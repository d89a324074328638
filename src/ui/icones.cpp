#include "ui/icones.h"

#include <QDir>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace Ui {

QImage imageDessinee(const QString &fichier)
{
    // Width, height, then premultiplied ARGB32 pixels, stored uncompressed: the
    // picture is used where it lies, with no decoder and no image plugin.
    const QResource ressource(QStringLiteral(":/dessins/") + fichier);
    const QByteArray octets = ressource.uncompressedData();
    if (octets.size() < 8)
        return {};
    quint32 largeur = 0;
    quint32 hauteur = 0;
    std::memcpy(&largeur, octets.constData(), 4);
    std::memcpy(&hauteur, octets.constData() + 4, 4);
    largeur = qFromLittleEndian(largeur);
    hauteur = qFromLittleEndian(hauteur);
    if (largeur == 0 || hauteur == 0 || largeur > 4096 || hauteur > 4096
        || qsizetype(largeur) * hauteur * 4 != octets.size() - 8)
        return {};
    const QImage image(reinterpret_cast<const uchar *>(octets.constData()) + 8, int(largeur), int(hauteur),
                       QImage::Format_ARGB32_Premultiplied);
    // Uncompressed resource data lives as long as the program; a copy only if
    // the build ever compressed it.
    return ressource.compressionAlgorithm() == QResource::NoCompression ? image : image.copy();
}

QIcon iconeDessinee(const QString &nom)
{
    QIcon icone;
    const QString prefixe = nom + QLatin1Char('-');
    // <nom>-<size>.argb, one file per size, smallest first (the order the
    // window manager receives the window icon in).
    QStringList fichiers = QDir(QStringLiteral(":/dessins")).entryList({prefixe + QStringLiteral("*.argb")});
    const auto taille = [&](const QString &f) { return QStringView(f).mid(prefixe.size()).chopped(5).toInt(); };
    std::ranges::sort(fichiers, {}, taille);
    for (const QString &fichier : fichiers)
        icone.addPixmap(QPixmap::fromImage(imageDessinee(fichier)));
    return icone;
}

} // namespace Ui

#include "dessins/dessindemarrage.h"

#include "base/twips.h"

#include <QLabel>
#include <QPainter>

namespace Dessins {

namespace {
const QColor GrisClair(0xE0, 0xE0, 0xE0);

void etiquette(QWidget *parent, const QString &texte, const QString &police, double points, int g, int h, int l, int ht)
{
    auto *label = new QLabel(texte, parent);
    QFont f(police);
    f.setPointSizeF(points);
    f.setBold(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, GrisClair);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(Base::px(g), Base::px(h), Base::px(l), Base::px(ht));
}

class Modele : public QWidget
{
public:
    Modele()
    {
        setFixedSize(Base::px(7065), Base::px(1965));
        etiquette(this, QStringLiteral("Zelund +"), QStringLiteral("Times New Roman"), 48, 180, 60, 3675, 1080);
        etiquette(this, QStringLiteral("Version 4.11 - Novembre 2001"), QStringLiteral("Arial"), 12, 3480, 1140, 3390,
                  285);
        etiquette(this, QStringLiteral("Un instant, SVP..."), QStringLiteral("Arial"), 9.75, 5265, 1590, 1620, 240);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        // 256 bands of equal height, from black at the top to pure blue at the
        // bottom. Drawn upwards, so where bands share a pixel row the upper one
        // wins and the first row stays black.
        const double h = height();
        for (int i = 255; i >= 0; --i) {
            const int haut = int(i * h / 256.0);
            const int bas = int((i + 1) * h / 256.0);
            p.fillRect(0, haut, width(), qMax(1, bas - haut), QColor(0, 0, i));
        }
        p.setPen(QPen(GrisClair, 1));
        p.drawLine(Base::px(3480), Base::px(1500), Base::px(6900), Base::px(1500));
        p.drawRect(Base::px(15), Base::px(15), Base::px(7035) - 1, Base::px(1935) - 1);
    }
};
} // namespace

QImage dessineDemarrage(qreal echelle)
{
    Modele modele;
    QImage image(modele.size() * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    modele.render(&image);
    return image;
}

} // namespace Dessins

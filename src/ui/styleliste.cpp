#include "ui/styleliste.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

namespace {

double luminance(const QColor &c)
{
    const auto lineaire = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) + 0.0722 * lineaire(c.blueF());
}

// Black or white, whichever stands out more on fond: at least 4.5 to 1 on any colour.
QColor cadreSur(const QColor &fond)
{
    const double l = luminance(fond);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

void dessineCadre(QPainter *p, const QRect &r, const QColor &fond)
{
    p->save();
    p->setPen(QPen(cadreSur(fond), 2));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(r).adjusted(2, 2, -2, -2));
    p->restore();
}

bool focusAuClavier(const QStyleOption *option)
{
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}

// A closed list shows its background colour itself, flat: the style's bevel
// would turn it into a gradient far lighter than the colour. The focus of a
// list or a scroll bar is a frame in black or white, whichever shows on the
// colour the user gave it.
class StyleListe : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *p,
                       const QWidget *widget) const override
    {
        const bool liste = qobject_cast<const QComboBox *>(widget);
        if (liste && element == PE_FrameFocusRect)
            return; // drawn with the panel below
        if (element != PE_PanelButtonCommand || !liste) {
            QProxyStyle::drawPrimitive(element, option, p, widget);
            return;
        }
        p->save();
        p->setPen(option->palette.color(QPalette::Dark));
        p->setBrush(option->palette.button());
        p->drawRect(option->rect.adjusted(0, 0, -1, -1));
        p->restore();
        if (option->state & State_HasFocus)
            dessineCadre(p, option->rect, option->palette.button().color());
    }

    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex *option, QPainter *p,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(controle, option, p, widget);
        if (controle == CC_ScrollBar && focusAuClavier(option))
            dessineCadre(p, option->rect.adjusted(-1, -1, 1, 1), option->palette.window().color());
    }
};

} // namespace

namespace Ui {

void installeStyleListe()
{
    if (!dynamic_cast<StyleListe *>(QApplication::style()))
        QApplication::setStyle(new StyleListe); // the application owns it
}

} // namespace Ui

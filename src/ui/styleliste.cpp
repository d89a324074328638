#include "ui/styleliste.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

// A closed list shows its background colour itself, flat: the style's bevel
// would turn it into a gradient far lighter than the colour.
class StyleListe : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *p,
                       const QWidget *widget) const override
    {
        if (element != PE_PanelButtonCommand || !qobject_cast<const QComboBox *>(widget)) {
            QProxyStyle::drawPrimitive(element, option, p, widget);
            return;
        }
        p->save();
        p->setPen(option->palette.color(QPalette::Dark));
        p->setBrush(option->palette.button());
        p->drawRect(option->rect.adjusted(0, 0, -1, -1));
        if (option->state & State_HasFocus) {
            p->setPen(option->palette.color(QPalette::Highlight));
            p->setBrush(Qt::NoBrush);
            p->drawRect(option->rect.adjusted(1, 1, -2, -2));
        }
        p->restore();
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

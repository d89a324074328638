#include "aide/pageaide.h"

#include "ui/texteaccessible.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {
QString texteCadre(const QTextFrame *cadre);

QString texteTable(const QTextTable *table)
{
    QStringList lignes;
    for (int l = 0; l < table->rows(); ++l) {
        QStringList cases;
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cellule = table->cellAt(l, c);
            if (cellule.row() != l || cellule.column() != c)
                continue; // the rest of a merged cell
            QStringList texte;
            for (auto it = cellule.begin(); !it.atEnd(); ++it) {
                if (it.currentFrame())
                    texte << texteCadre(it.currentFrame());
                else if (!it.currentBlock().text().trimmed().isEmpty())
                    texte << it.currentBlock().text().trimmed();
            }
            cases << texte.join(QLatin1Char(' '));
        }
        lignes << cases.join(QStringLiteral(" ; "));
    }
    return lignes.join(QLatin1Char('\n'));
}

QString texteCadre(const QTextFrame *cadre)
{
    if (const auto *table = qobject_cast<const QTextTable *>(cadre))
        return texteTable(table);
    QStringList morceaux;
    for (auto it = cadre->begin(); !it.atEnd(); ++it) {
        if (it.currentFrame())
            morceaux << texteCadre(it.currentFrame());
        else
            morceaux << it.currentBlock().text();
    }
    return morceaux.join(QLatin1Char('\n'));
}

class PageAccessible : public Ui::TexteAccessible
{
public:
    explicit PageAccessible(PageAide *page)
        : TexteAccessible(page, QAccessible::Document, [page] { return page->texteLu(); })
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const PageAide *>(widget())->documentTitle();
        return QAccessibleWidget::text(t);
    }
    using TexteAccessible::text;
};

QAccessibleInterface *fabriquePage(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("PageAide") && objet && objet->isWidgetType())
        return new PageAccessible(static_cast<PageAide *>(objet));
    return nullptr;
}

void installeFabriquePage()
{
    QAccessible::installFactory(fabriquePage);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriquePage)
} // namespace

PageAide::PageAide(QWidget *parent)
    : QTextBrowser(parent)
{
    // A new page is a new document: its name and text are read again.
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        if (QAccessible::isActive()) {
            QAccessibleEvent nom(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&nom);
        }
    });
}

QString PageAide::texteLu() const
{
    return texteCadre(document()->rootFrame());
}

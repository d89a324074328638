#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QWidget>

// The about box's scrolling sheet: the printed presentation, kept as one
// picture, and a click that pauses or resumes the scrolling.
class FeuilleApropos : public QWidget
{
    Q_OBJECT
public:
    struct Ligne
    {
        QString texte;
        int points = 10;
    };

    explicit FeuilleApropos(QWidget *parent = nullptr);

    // Prints the lines one under the other from the left edge, the first at
    // the height haut, the icon at the top-left corner.
    void imprime(const QList<Ligne> &lignes, int haut);
    static QFont police(int points);
    // The printed lines, one a line: what a screen reader reads of the sheet.
    QString texte() const { return m_texte; }

signals:
    void clique();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_dessin;
    QString m_texte;
};

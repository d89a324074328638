#pragma once

#include <QFrame>
#include <QRect>
#include <functional>
#include <vector>

// A drawing surface whose click keeps its window above the others: any button
// but the right one sets it on top, the right one releases it.
class ImagePremierPlan : public QFrame
{
    Q_OBJECT
public:
    explicit ImagePremierPlan(QWidget *parent = nullptr);

    // Paints the contents, inside the frame.
    void setDessin(std::function<void(QPainter &)> dessin);
    // What the tooltip says first about the point under the pointer (in the
    // contents' coordinates); an empty text says nothing.
    void setInfoBullePoint(std::function<QString(QPoint)> texte);

    // The days a screen reader lists as a table, each with its place in the
    // widget, its row and column, and what its tooltip tells.
    struct CaseNommee
    {
        QRect zone;
        QString nom;
        int ligne = 0;
        int colonne = 0;
        QString description;
    };
    void setCases(std::function<std::vector<CaseNommee>()> cases) { m_cases = std::move(cases); }
    std::vector<CaseNommee> cases() const { return m_cases ? m_cases() : std::vector<CaseNommee>{}; }
    // The weekday over each column, first column first.
    void setEntetes(const QStringList &entetes) { m_entetes = entetes; }
    QStringList entetes() const { return m_entetes; }

signals:
    void appuye(Qt::MouseButton bouton);
    // A left double click, at a point of the contents; its presses came first.
    void doubleClic(QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Space and Enter keep the window on top, the context-menu key releases it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<void(QPainter &)> m_dessin;
    std::function<QString(QPoint)> m_infoBullePoint;
    std::function<std::vector<CaseNommee>()> m_cases;
    QStringList m_entetes;
};

#pragma once

#include <QColor>
#include <QWidget>

// The custom panel: a plain container painted with a gradient or a flat colour.
class VantelPanel : public QWidget
{
    Q_OBJECT
public:
    explicit VantelPanel(QWidget *parent = nullptr);

    void setGradientBackColor(bool degrade);
    void setGradientColorStart(const QColor &c);
    void setGradientColorEnd(const QColor &c);
    void setGradientSens(int sens);
    void setForecolor(const QColor &c);
    void setBackcolor(const QColor &c);
    void setCaption(const QString &caption);

    QColor gradientColorStart() const { return m_debut; }
    QColor gradientColorEnd() const { return m_fin; }
    QColor forecolor() const { return m_texte; }
    QColor backcolor() const { return m_fond; }
    QString caption() const { return m_caption; }

signals:
    void clique();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_degrade = true;
    QColor m_debut{0, 128, 128};
    QColor m_fin{224, 224, 224};
    int m_sens = 0;
    QColor m_texte{255, 255, 255};
    QColor m_fond{0, 128, 128};
    QString m_caption;
};

#pragma once

#include <QTextBrowser>

// The help viewer's page: read by a screen reader as a document named by its
// title, its tables row by row.
class PageAide : public QTextBrowser
{
    Q_OBJECT
public:
    explicit PageAide(QWidget *parent = nullptr);

    // The page as plain text: each table row on a line of its own, its cells
    // separated by " ; ".
    QString texteLu() const;
};

#ifndef KORRIN_WIZARD_GROWINGPAGE_H
#define KORRIN_WIZARD_GROWINGPAGE_H

#include <QList>
#include <QRect>

#include "completionpage.h"

// A page of widgets at fixed positions that grows with the window beyond its
// minimum size: an anchored widget's edges follow the page's right or bottom
// edge, keeping the distance they had at the minimum size.
class GrowingPage : public CompletionPage
{
    Q_OBJECT

public:
    explicit GrowingPage(QWidget *parent = nullptr) : CompletionPage(parent) {}

    // edges: those of widget that move with the page, at its place now.
    void anchor(QWidget *widget, Qt::Edges edges);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Anchor
    {
        QWidget *widget;
        QRect placed;
        Qt::Edges edges;
    };

    void place(const Anchor &anchor) const;

    QList<Anchor> anchors;
};

#endif

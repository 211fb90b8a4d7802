#include "growingpage.h"

#include <QResizeEvent>

void GrowingPage::anchor(QWidget *widget, Qt::Edges edges)
{
    anchors.append({widget, widget->geometry(), edges});
    place(anchors.last());
}

void GrowingPage::resizeEvent(QResizeEvent *event)
{
    CompletionPage::resizeEvent(event);
    for (const Anchor &anchor : anchors)
        place(anchor);
}

void GrowingPage::place(const Anchor &anchor) const
{
    const QSize growth = (size() - minimumSize()).expandedTo(QSize(0, 0));
    QRect placed = anchor.placed;
    if (anchor.edges & Qt::LeftEdge)
        placed.setLeft(placed.left() + growth.width());
    if (anchor.edges & Qt::RightEdge)
        placed.setRight(placed.right() + growth.width());
    if (anchor.edges & Qt::TopEdge)
        placed.setTop(placed.top() + growth.height());
    if (anchor.edges & Qt::BottomEdge)
        placed.setBottom(placed.bottom() + growth.height());
    anchor.widget->setGeometry(placed);
}

#include "ticodecomposerconverterbase.h"

#include <QEvent>

#include "images/bottombanner.xpm"
#include "images/korrinwizard.xpm"
#include "images/topbanner.xpm"

TICodeComposerConverterBase::TICodeComposerConverterBase(QWidget *parent, Qt::WindowFlags flags)
    : QWizard(parent, flags), topBanner(top_banner_xpm), bottomBanner(bottom_banner_xpm)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    setupUi(this); // also sets every text through retranslateUi
    setWindowIcon(QPixmap(korrin_icon_xpm));

    // The fixed widget positions leave room for a narrow 8-point font only.
    QFont narrow = font();
    narrow.setStretch(QFont::SemiCondensed);
    setFont(narrow);

    for (QLabel *banner : {TopBanner0, TopBanner1, TopBanner2, TopBanner3, TopBanner4})
        banner->setPixmap(topBanner);
    for (QLabel *banner : {BottomBanner0, BottomBanner1, BottomBanner2, BottomBanner3, BottomBanner4})
        banner->setPixmap(bottomBanner);
    for (QPushButton *browse : {TIProjectBrowseBtn, CorProjectBrowseBtn, MsgBrowseBtn, AnalBrowseBtn, CmpBrowseBtn,
                                TiFolderBrowseBtn})
        browse->setPalette(whitePalette());

    // The log takes the room a larger window gives; the frame follows it.
    Page3->anchor(TopBanner3, Qt::RightEdge);
    Page3->anchor(LeftLine3, Qt::BottomEdge);
    Page3->anchor(RightLine3, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    Page3->anchor(DetailsText, Qt::RightEdge | Qt::BottomEdge);
    Page3->anchor(BottomBanner3, Qt::TopEdge | Qt::BottomEdge | Qt::RightEdge);
    Page3->anchor(BusyIndicator, Qt::TopEdge | Qt::BottomEdge | Qt::RightEdge);

    resize(size().expandedTo(minimumSizeHint()));
}

void TICodeComposerConverterBase::languageChange()
{
    retranslateUi(this);
}

void TICodeComposerConverterBase::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWizard::changeEvent(event);
}

QPalette TICodeComposerConverterBase::whitePalette()
{
    return QPalette(Qt::white, Qt::white);
}

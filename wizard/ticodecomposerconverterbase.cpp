#include "ticodecomposerconverterbase.h"

#include <QEvent>
#include <initializer_list>

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

    anchorPages();
    resize(size().expandedTo(minimumSizeHint()));
}

// Each page keeps its widgets' places at its minimum size. A larger window
// widens the frame, the texts and the fields, takes the Browse buttons to
// the right edge, and gives the macro table and the log the height.
void TICodeComposerConverterBase::anchorPages()
{
    const Qt::Edges widens = Qt::RightEdge;
    const Qt::Edges follows = Qt::LeftEdge | Qt::RightEdge;
    const Qt::Edges growsDown = Qt::RightEdge | Qt::BottomEdge;
    const Qt::Edges goesDown = Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge;

    anchorFrame(Page0, TopBanner0, LeftLine0, RightLine0, BottomBanner0);
    for (QWidget *widget : std::initializer_list<QWidget *>{WelcomeGroup, WelcomeTitle, WelcomeText, TIGroup,
                                                            TIProjectEdit, CorGroup, CorProjectEdit, CorNameEdit,
                                                            ProjectStatusText})
        Page0->anchor(widget, widens);
    for (QWidget *browse : {TIProjectBrowseBtn, CorProjectBrowseBtn})
        Page0->anchor(browse, follows);

    anchorFrame(Page1, TopBanner1, LeftLine1, RightLine1, BottomBanner1);
    for (QWidget *widget : std::initializer_list<QWidget *>{PersonalityHelpGroup, PersonalityHelpText, MsgGroup,
                                                            MsgPersonEdit, AnalGroup, AnalPersonEdit, CmpGroup,
                                                            CmpPersonEdit})
        Page1->anchor(widget, widens);
    for (QWidget *browse : {MsgBrowseBtn, AnalBrowseBtn, CmpBrowseBtn})
        Page1->anchor(browse, follows);

    anchorFrame(Page2, TopBanner2, LeftLine2, RightLine2, BottomBanner2);
    for (QWidget *widget : std::initializer_list<QWidget *>{ExtensionHelpGroup, ExtensionHelpText, ExtensionGroup})
        Page2->anchor(widget, widens);

    anchorFrame(MacroPage, TopBanner4, LeftLine4, RightLine4, BottomBanner4);
    for (QWidget *widget : std::initializer_list<QWidget *>{MacroHelpGroup, MacroHelpText, TiGroup, TiFolderEdit})
        MacroPage->anchor(widget, widens);
    MacroPage->anchor(TiFolderBrowseBtn, follows);
    MacroPage->anchor(MacroGroup, growsDown);
    MacroPage->anchor(MacroValuesTable, growsDown);
    MacroPage->anchor(MacroStatusText, goesDown);
    MacroPage->anchor(CdbCheckBox, goesDown);

    anchorFrame(Page3, TopBanner3, LeftLine3, RightLine3, BottomBanner3);
    Page3->anchor(DetailsText, growsDown);
    Page3->anchor(BusyIndicator, goesDown);
}

void TICodeComposerConverterBase::anchorFrame(GrowingPage *page, QWidget *top, QWidget *left, QWidget *right,
                                              QWidget *bottom)
{
    page->anchor(top, Qt::RightEdge);
    page->anchor(left, Qt::BottomEdge);
    page->anchor(right, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    page->anchor(bottom, Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge);
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

#ifndef KORRIN_WIZARD_TICODECOMPOSERCONVERTERBASE_H
#define KORRIN_WIZARD_TICODECOMPOSERCONVERTERBASE_H

#include <QPixmap>
#include <QWizard>

#include "ui_ticodecomposerconverterbase.h"

// The wizard's form: the four pages with their widgets, the banner images
// and the white look. Behaviour lives in TICodeComposerConverter.
class TICodeComposerConverterBase : public QWizard, protected Ui::TICodeComposerConverterBase
{
    Q_OBJECT

public:
    explicit TICodeComposerConverterBase(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

public slots:
    virtual void languageChange();

protected:
    void changeEvent(QEvent *event) override;

    // White buttons on the white wizard background.
    static QPalette whitePalette();

private:
    void anchorPages();
    static void anchorFrame(GrowingPage *page, QWidget *top, QWidget *left, QWidget *right, QWidget *bottom);

    QPixmap topBanner;
    QPixmap bottomBanner;
};

#endif

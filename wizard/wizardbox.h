#ifndef KORRIN_WIZARD_WIZARDBOX_H
#define KORRIN_WIZARD_WIZARDBOX_H

#include <QMessageBox>

class QSpacerItem;

// A message box of the wizard: captioned with the wizard's name, and wide
// enough that the title bar shows that caption whole however short the
// text. defaultButton is also the answer of Esc and of closing the box.
class WizardBox : public QMessageBox
{
    Q_OBJECT

public:
    WizardBox(Icon icon, const QString &text, StandardButtons buttons, QWidget *parent,
              StandardButton defaultButton = NoButton);

    // The caption the wizard's boxes share.
    static QString caption();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSpacerItem *captionRow = nullptr; // owned by the layout
};

// Asks text with Yes and No, No being the answer of Esc; whether Yes.
bool askYesOrNo(QWidget *parent, const QString &text);

// Tells that a conversion failed, and why; without a parent, as the box
// always was.
void showFailureBox(const QString &reason);

#endif

#ifndef KORRIN_WIZARD_COMPLETIONPAGE_H
#define KORRIN_WIZARD_COMPLETIONPAGE_H

#include <QWizardPage>

// A wizard page whose Next/Finish button follows a flag that the wizard sets
// from its own checks.
class CompletionPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CompletionPage(QWidget *parent = nullptr) : QWizardPage(parent) {}

    bool isComplete() const override { return complete; }

    void setComplete(bool value)
    {
        if (value == complete)
            return;
        complete = value;
        emit completeChanged();
    }

private:
    bool complete = true;
};

#endif

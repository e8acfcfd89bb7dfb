#pragma once
// TPovor: "Поворот", free rotation of the selected layer by whole degrees.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <functional>

#include "ui/widgets/GaugeBar.h"

class TPovor : public QDialog {
    Q_OBJECT
public:
    explicit TPovor(QWidget* parent);
    TGaugeBar* Angle;
    QLineEdit* Edit1;
    QCheckBox* Inter;
    // Set by the window: take and put back the rotation copy, turn from it.
    std::function<void()> takeCopy, restore, rotate;
    std::function<void(const QString&)> message;  // the range message

protected:
    void showEvent(QShowEvent*) override;  // FormActivate
    void done(int result) override;

private:
    void Edit1Change(const QString& text);
    bool updating_ = false;
};

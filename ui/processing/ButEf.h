#pragma once
// TEButos: "Эффект кнопки" on the target.
#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>
#include <functional>

class TEButos : public QDialog {
    Q_OBJECT
public:
    explicit TEButos(QWidget* parent);
    QSpinBox* PDM;   // bevel width in per cent, 1..9
    QSpinBox* Glub;  // bevel depth, 1..16
    QCheckBox* RCNT; // "Рельефный контур внутри"
    std::function<void()> takeCopy, restore, apply, finish;

protected:
    void showEvent(QShowEvent*) override;
    void done(int result) override;
};

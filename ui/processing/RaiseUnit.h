#pragma once
// TRaiser: "Рельефный контур" of the selected layer, optionally with an outer border.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

#include "core/gfx/Color.h"

class TRaiser : public QDialog {
    Q_OBJECT
public:
    explicit TRaiser(QWidget* parent);
    QSpinBox* UpDown1;       // thickness in per cent, 1..39
    QRadioButton* CheckBox1; // "Внутреннее обрамление"
    QRadioButton* OutBor;    // "Внешнее обрамление"
    QPushButton* Sb2;        // border colour
    QSpinBox* Gran;          // extra border in per cent of the thickness, 0..100
    viramo::Color32 borderColour = 0xFFC0C0C0;
    // Set by the window: restore the raise copy, apply (preview and OK).
    std::function<void()> takeCopy, restore, apply, record;

protected:
    void showEvent(QShowEvent*) override;
    void done(int result) override;

private:
    void enableBorder();
    QWidget* swatch_;
};

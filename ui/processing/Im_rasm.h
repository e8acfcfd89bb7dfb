#pragma once
// TRasm: "Размер изображения". Three linked fields (width, height, size in
// kilobytes) that never set one another off; the arithmetic is ImageSizeFields.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QSpinBox>

#include "core/fx/Geometry.h"

class TRasm : public QDialog {
    Q_OBJECT
public:
    explicit TRasm(QWidget* parent);
    void FormActivate(int canvasWidth, int canvasHeight);
    QSpinBox* UpDown1;  // width
    QSpinBox* UpDown2;  // height
    QSpinBox* UpDown3;  // kilobytes
    QCheckBox* Prop;
    QComboBox* Resample;

private:
    void show(int except);
    viramo::ImageSizeFields fields_;
};

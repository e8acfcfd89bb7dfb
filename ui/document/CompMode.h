#pragma once
// TCompress: "Настройка компрессии JPEG", the quality of a JPEG being saved.
#include <QDialog>
#include <functional>

class QSlider;
class QSpinBox;

class TCompress : public QDialog {
    Q_OBJECT
public:
    explicit TCompress(QWidget* parent = nullptr);
    int quality() const;
    void setQuality(int q);
    // Writes the file at the given quality; true once written. "Сохранить"
    // closes the dialog only then; closing it otherwise writes nothing.
    std::function<bool(int quality)> save;

private:
    void Button1Click();
    QSpinBox* imageWidth_;  // the number box and its up-down control
    QSlider* trackBar1_;
};

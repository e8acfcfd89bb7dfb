#pragma once
// TGifType: "Параметры сохранения GIF-файла", the number of colours of a GIF.
#include <QDialog>
#include <functional>

class QLabel;
class QRadioButton;

class TGifType : public QDialog {
    Q_OBJECT
public:
    explicit TGifType(QWidget* parent = nullptr);
    // The notice names the picture's real number of colours.
    void setColourCount(std::size_t colours);
    QString notice() const;
    // 1, 4, 8, or 24 for "Авто".
    int bits() const;
    void setBits(int bits);
    // Writes the file with the chosen bits; true once written.
    std::function<bool(int bits)> save;

private:
    QLabel* notice_;
    QRadioButton *two_, *many_, *sixteen_, *automatic_;
};

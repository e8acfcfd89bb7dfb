#pragma once
// TSTC: "Прозрачный цвет", the small tool window of the transparent-colour
// pick; it stays on top and does not block the main window.
#include <QWidget>

#include "core/gfx/Color.h"

class QLabel;

class TSTC : public QWidget {
    Q_OBJECT
public:
    explicit TSTC(QWidget* parent);
    void showColour(viramo::Color32 c);  // the swatch Panel1
    viramo::Color32 shownColour() const { return shown_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QWidget* panel1_;
    viramo::Color32 shown_ = 0;
};

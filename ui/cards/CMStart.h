#pragma once
// TTemplates: "Новый проект", the page of a new project. The arithmetic is the
// core's PageSetup; this form mirrors its fields and runs its handlers.
#include <QDialog>
#include <QTimer>

#include "core/cards/PageSetup.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class TTemplates : public QDialog {
    Q_OBJECT
public:
    explicit TTemplates(QWidget* parent = nullptr);
    viramo::PageSetup& page() { return page_; }
    // The page in pixels once the dialog is accepted (pending recomputation done).
    int NewPageWidth() const { return page_.newPageWidth(); }
    int NewPageHeight() const { return page_.newPageHeight(); }
    QString sizeLabel() const;
    void done(int result) override;

    // Exposed for tests: the widgets by their given names.
    QComboBox* Shabl = nullptr;
    QComboBox* CEP = nullptr;
    QSpinBox* WI = nullptr;
    QSpinBox* HE = nullptr;
    QSpinBox* Resol = nullptr;
    QRadioButton* Book = nullptr;
    QRadioButton* Alba = nullptr;
    QTimer Timer1;

private:
    void showFields();       // the core's fields into the controls, without raising their handlers
    void refreshSizeLabel();
    void Timer1Timer();

    viramo::PageSetup page_;
    QLabel* label3_ = nullptr;  // unit beside the height
    QLabel* label7_ = nullptr;  // size in kilobytes
    QWidget* picture_ = nullptr;
};
